// Draws every picture that the sample library's ini files name: box fronts and backs, title and
// in-game screens, media, adverts and picture extras. The ini files are the source of truth; this
// program only reads them, so a game is added by writing its ini file and running this again.
// Everything is drawn from shapes, gradients and text, and the same ini files always give the
// same pictures, so that regenerating changes nothing that was not meant to change.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

// The pictures must stay small enough that the whole sample library ships in a few megabytes.
constexpr qint64 PictureBudget = 60 * 1024;

struct Game
{
    QHash<QString, QString> keys; // lower-case key -> value
    QString metaFolder;

    QString value(const char *key) const { return keys.value(QString::fromLatin1(key).toLower()); }
};

quint32 stableHash(const QString &text)
{
    // qHash is seeded per process; pictures must come out the same on every run.
    quint32 h = 2166136261u;
    for (const QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

class Rng
{
  public:
    explicit Rng(quint32 seed) : m_engine(seed) {}
    int range(int low, int high)
    {
        return low + static_cast<int>(m_engine() % static_cast<quint32>(high - low + 1));
    }
    bool chance(int percent) { return range(0, 99) < percent; }

  private:
    std::mt19937 m_engine;
};

struct Palette
{
    QColor dark, mid, light, accent, contrast;
};

Palette paletteFor(const Game &game)
{
    const int hue = static_cast<int>(stableHash(game.value("Name")) % 360);
    Palette p;
    p.dark = QColor::fromHsv(hue, 200, 50);
    p.mid = QColor::fromHsv(hue, 180, 140);
    p.light = QColor::fromHsv(hue, 90, 235);
    p.accent = QColor::fromHsv((hue + 150) % 360, 220, 240);
    p.contrast = QColor::fromHsv((hue + 180) % 360, 160, 200);
    return p;
}

QString platformBadge(const QString &platform)
{
    if (platform == QLatin1String("DOS"))
        return QStringLiteral("IBM PC & COMPATIBLES");
    return platform.toUpper();
}

// Largest pixel size, not above maxPixels, at which the text fits the box with word wrap.
QFont fittedFont(QFont font, const QString &text, const QRectF &box, int maxPixels,
                 int flags = Qt::AlignCenter | Qt::TextWordWrap)
{
    for (int size = maxPixels; size > 6; --size) {
        font.setPixelSize(size);
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    return font;
}

QFont font(const char *family, int pixels, bool bold = false, bool pixelArt = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    if (pixelArt)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Title lettering with an outline, centred and wrapped in its box.
void drawOutlinedText(QPainter &p, const QRectF &box, const QString &text, const QFont &f, const QColor &fill,
                      const QColor &outline, qreal outlineWidth)
{
    const QFontMetricsF metrics(f);
    // Lay the words out line by line ourselves: QPainterPath has no word wrap.
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > box.width()) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines << line;
    const qreal lineHeight = metrics.height();
    qreal y = box.center().y() - lineHeight * lines.size() / 2 + metrics.ascent();
    QPainterPath path;
    for (const QString &l : lines) {
        const qreal x = box.center().x() - metrics.horizontalAdvance(l) / 2;
        path.addText(QPointF(x, y), f, l);
        y += lineHeight;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, outlineWidth > 0 && !(f.styleStrategy() & QFont::NoAntialias));
    if (outlineWidth > 0)
        p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    p.restore();
}

QFont fittedTitleFont(const QFont &base, const QString &text, const QRectF &box, int maxPixels)
{
    // The outlined text wraps like the plain one, so the plain metrics decide the size.
    return fittedFont(base, text, box, maxPixels);
}

// ---------------------------------------------------------------------------------------------
// Scenes, drawn at 320 x 200 like the screens of the period, then doubled without smoothing.

enum class Scene {
    Room,
    TextAdventure,
    DosPrompt,
    Platformer,
    Shooter,
    Brawler,
    Wargame,
    Economy,
    FallingBlocks,
    MatchThree,
    Logic
};

Scene sceneFor(const Game &game)
{
    const QString genre = game.value("Genre");
    const QString sub = game.value("SubGenre") + QLatin1Char(' ') + game.value("SubGenre2");
    if (sub.contains(QLatin1String("Demo")))
        return Scene::DosPrompt;
    if (genre == QLatin1String("Adventure"))
        return sub.contains(QLatin1String("Text")) ? Scene::TextAdventure : Scene::Room;
    if (genre == QLatin1String("Action")) {
        if (sub.contains(QLatin1String("Shoot")))
            return Scene::Shooter;
        if (sub.contains(QLatin1String("Beat")))
            return Scene::Brawler;
        return Scene::Platformer;
    }
    if (genre == QLatin1String("Strategy"))
        return sub.contains(QLatin1String("Wargame")) || sub.contains(QLatin1String("Turn")) ? Scene::Wargame
                                                                                             : Scene::Economy;
    if (sub.contains(QLatin1String("Falling")))
        return Scene::FallingBlocks;
    if (sub.contains(QLatin1String("Match")))
        return Scene::MatchThree;
    return Scene::Logic;
}

bool isC64(const Game &game)
{
    return game.value("Platform") == QLatin1String("Commodore 64");
}

void drawSprite(QPainter &p, int x, int y, const QColor &body, const QColor &skin)
{
    // A 8 x 12 pixel figure: head, body, legs.
    p.fillRect(x + 2, y, 4, 4, skin);
    p.fillRect(x + 1, y + 4, 6, 5, body);
    p.fillRect(x + 1, y + 9, 2, 3, body.darker(150));
    p.fillRect(x + 5, y + 9, 2, 3, body.darker(150));
    p.fillRect(x + 3, y + 1, 1, 1, Qt::black);
}

void drawStars(QPainter &p, const QRect &area, Rng &rng, int count)
{
    for (int i = 0; i < count; ++i) {
        const int v = rng.range(120, 255);
        p.fillRect(area.left() + rng.range(0, area.width() - 1), area.top() + rng.range(0, area.height() - 1),
                   1, 1, QColor(v, v, v));
    }
}

void drawHud(QPainter &p, const QString &left, const QString &right, const QColor &bar, const QColor &text)
{
    p.fillRect(0, 188, 320, 12, bar);
    p.setPen(text);
    p.setFont(font("DejaVu Sans Mono", 9, true, true));
    p.drawText(QRect(4, 188, 200, 12), Qt::AlignLeft | Qt::AlignVCenter, left);
    p.drawText(QRect(116, 188, 200, 12), Qt::AlignRight | Qt::AlignVCenter, right);
}

void sceneRoom(QPainter &p, const Game &game, const Palette &pal, Rng &rng)
{
    const bool sciFi = game.value("SubGenre2").contains(QLatin1String("Science"));
    // Back wall in flat bands, floor in perspective.
    for (int i = 0; i < 8; ++i)
        p.fillRect(0, i * 16, 320, 16, QColor::fromHsv(pal.mid.hsvHue(), 120, 60 + i * 10));
    p.setBrush(pal.dark.darker(120));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygon({QPoint(0, 128), QPoint(320, 128), QPoint(320, 150), QPoint(0, 150)}));
    for (int x = -200; x < 520; x += 40) {
        p.setPen(pal.dark);
        p.drawLine(160 + (x - 160) / 3, 128, x, 150);
    }
    // Door and window.
    p.fillRect(220, 56, 44, 72, pal.dark);
    p.fillRect(224, 60, 36, 68, sciFi ? QColor(40, 60, 70) : QColor(90, 55, 30));
    p.fillRect(252, 92, 4, 4, pal.accent);
    p.fillRect(40, 40, 70, 48, pal.dark);
    p.fillRect(44, 44, 62, 40, sciFi ? QColor(20, 20, 50) : QColor(70, 110, 170));
    if (sciFi) {
        Rng towers(rng.range(0, 100000));
        for (int x = 44; x < 106; x += 8) {
            const int h = towers.range(8, 34);
            p.fillRect(x, 84 - h, 6, h, QColor(60, 60, 90));
            p.fillRect(x + 2, 84 - h + 3, 1, 1, QColor(250, 220, 90));
        }
    } else {
        p.fillRect(74, 44, 2, 40, pal.dark);
        p.fillRect(44, 62, 62, 2, pal.dark);
    }
    drawSprite(p, 140, 112, pal.accent, QColor(230, 190, 150));
    drawSprite(p, 180, 114, pal.contrast, QColor(200, 160, 120));
    // Verb bar.
    p.fillRect(0, 150, 320, 50, QColor(20, 20, 20));
    p.setFont(font("DejaVu Sans", 9, false, true));
    p.setPen(pal.light);
    const char *verbs[] = {"Walk to", "Look at", "Pick up", "Use", "Talk to", "Open"};
    for (int i = 0; i < 6; ++i)
        p.drawText(QRect(8 + (i % 3) * 70, 156 + (i / 3) * 18, 70, 14), Qt::AlignLeft,
                   QString::fromLatin1(verbs[i]));
    for (int i = 0; i < 4; ++i)
        p.fillRect(226 + (i % 2) * 44, 154 + (i / 2) * 22, 40, 18,
                   QColor::fromHsv((pal.accent.hsvHue() + i * 40) % 360, 120, 150));
}

void sceneTextAdventure(QPainter &p, const Game &game, const Palette &pal)
{
    const bool c64 = isC64(game);
    const QColor screen = c64 ? QColor(64, 49, 141) : QColor(0, 0, 0);
    const QColor ink = c64 ? QColor(120, 106, 189) : pal.light;
    p.fillRect(0, 0, 320, 200, c64 ? QColor(120, 106, 189) : screen);
    p.fillRect(16, 16, 288, 168, screen);
    p.setFont(font("DejaVu Sans Mono", 8, false, true));
    p.setPen(ink);
    const QStringList lines = {
        game.value("Name").toUpper(),
        QString(),
        QStringLiteral("You stand in the rain beside a"),
        QStringLiteral("striped caravan. A paper moon is"),
        QStringLiteral("pinned to its door."),
        QString(),
        QStringLiteral(">EXAMINE MOON"),
        QStringLiteral("Someone has written a date on it"),
        QStringLiteral("in pencil: tomorrow's."),
        QString(),
        QStringLiteral(">ASK OWNER ABOUT MOON"),
        QStringLiteral("There is no one here to ask."),
        QString(),
        QStringLiteral(">_"),
    };
    int y = 22;
    for (const QString &line : lines) {
        p.drawText(22, y + 8, line);
        y += 11;
    }
}

void sceneDosPrompt(QPainter &p)
{
    p.fillRect(0, 0, 320, 200, Qt::black);
    p.setFont(font("DejaVu Sans Mono", 8, false, true));
    p.setPen(QColor(170, 170, 170));
    const QStringList lines = {
        QStringLiteral("C:\\>HELLO"),
        QString(),
        QStringLiteral("  ****************************************"),
        QStringLiteral("  *   TURBO PROMPT                       *"),
        QStringLiteral("  *   Hello from the Pallox sample       *"),
        QStringLiteral("  *   library! DOSBox started this       *"),
        QStringLiteral("  *   batch file.                        *"),
        QStringLiteral("  ****************************************"),
        QString(),
        QStringLiteral("Press any key to continue . . ."),
    };
    int y = 8;
    for (const QString &line : lines) {
        p.drawText(4, y + 8, line);
        y += 10;
    }
    p.fillRect(4, y + 2, 6, 2, QColor(170, 170, 170));
}

void scenePlatformer(QPainter &p, const Game &game, const Palette &pal, Rng &rng)
{
    const bool c64 = isC64(game);
    p.fillRect(0, 0, 320, 200, c64 ? QColor(0, 0, 0) : pal.dark);
    const QColor rock = c64 ? QColor(136, 57, 50) : pal.mid;
    const QColor top = c64 ? QColor(103, 182, 189) : pal.light;
    if (!c64)
        drawStars(p, QRect(0, 0, 320, 90), rng, 40);
    // Ledges of blocks; each block has a lit top edge.
    for (int row = 0; row < 5; ++row) {
        const int y = 44 + row * 32;
        int x = rng.range(-16, 24);
        while (x < 320) {
            const int length = rng.range(3, 7);
            for (int b = 0; b < length && x < 320; ++b, x += 16) {
                p.fillRect(x, y, 16, 8, rock);
                p.fillRect(x, y, 16, 2, top);
                p.fillRect(x + 15, y, 1, 8, rock.darker(160));
            }
            x += rng.range(2, 4) * 16;
        }
    }
    p.fillRect(0, 180, 320, 8, rock);
    drawSprite(p, 40, 168, pal.accent, QColor(120, 200, 90));
    for (int i = 0; i < 3; ++i)
        drawSprite(p, rng.range(80, 300), 44 + rng.range(0, 3) * 32 - 12, pal.contrast,
                   QColor(240, 240, 240));
    for (int i = 0; i < 8; ++i)
        p.fillRect(rng.range(10, 310), 36 + rng.range(0, 4) * 32, 4, 4, QColor(255, 220, 40));
    drawHud(p, QStringLiteral("SCORE 004250"), QStringLiteral("LIVES 3"),
            c64 ? QColor(53, 40, 121) : pal.dark.darker(200), top);
}

void sceneShooter(QPainter &p, const Palette &pal, Rng &rng)
{
    p.fillRect(0, 0, 320, 200, QColor(4, 4, 20));
    drawStars(p, QRect(0, 0, 320, 188), rng, 120);
    QRadialGradient planet(250, 60, 50);
    planet.setColorAt(0, pal.light);
    planet.setColorAt(1, pal.dark);
    p.setBrush(planet);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(250, 60), 44, 44);
    p.setBrush(pal.accent);
    p.drawPolygon(QPolygon({QPoint(30, 100), QPoint(58, 108), QPoint(30, 116), QPoint(36, 108)}));
    p.fillRect(22, 105, 8, 6, QColor(255, 160, 40));
    for (int i = 0; i < 5; ++i)
        p.fillRect(70 + i * 24, 107, 10, 2, QColor(255, 255, 140));
    for (int i = 0; i < 6; ++i) {
        const int x = rng.range(170, 300), y = rng.range(20, 170);
        p.setBrush(pal.contrast);
        p.drawPolygon(
            QPolygon({QPoint(x, y), QPoint(x + 14, y - 6), QPoint(x + 10, y), QPoint(x + 14, y + 6)}));
    }
    drawHud(p, QStringLiteral("1UP 0012800"), QStringLiteral("SECTOR 3"), QColor(30, 30, 60), pal.light);
}

void sceneBrawler(QPainter &p, const Palette &pal, Rng &rng)
{
    // Night street: buildings with neon signs, pavement, fighters.
    p.fillRect(0, 0, 320, 200, QColor(12, 8, 24));
    for (int x = 0; x < 320;) {
        const int w = rng.range(30, 60), h = rng.range(60, 120);
        p.fillRect(x, 140 - h, w, h, QColor(30, 24, 50));
        for (int wy = 140 - h + 6; wy < 132; wy += 12)
            for (int wx = x + 4; wx < x + w - 6; wx += 10)
                if (rng.chance(40))
                    p.fillRect(wx, wy, 5, 6, QColor(200, 180, 90));
        x += w + 4;
    }
    p.setPen(QPen(pal.accent, 2));
    p.setFont(font("DejaVu Sans", 12, true, true));
    p.drawText(QRect(30, 30, 120, 20), Qt::AlignCenter, QStringLiteral("BAR"));
    p.setPen(QPen(pal.contrast, 2));
    p.drawText(QRect(180, 20, 120, 20), Qt::AlignCenter, QStringLiteral("ARCADE"));
    p.fillRect(0, 140, 320, 48, QColor(50, 50, 60));
    p.fillRect(0, 140, 320, 3, QColor(90, 90, 100));
    drawSprite(p, 90, 150, pal.accent, QColor(230, 190, 150));
    drawSprite(p, 110, 154, QColor(60, 160, 230), QColor(200, 160, 120));
    drawSprite(p, 200, 152, QColor(120, 120, 120), QColor(230, 190, 150));
    drawSprite(p, 230, 158, QColor(120, 120, 120), QColor(230, 190, 150));
    drawHud(p, QStringLiteral("P1 ########"), QStringLiteral("P2 #####   "), QColor(0, 0, 0), pal.light);
}

void sceneWargame(QPainter &p, const Game &game, const Palette &pal, Rng &rng)
{
    // Square-grid sea chart with a coast, unit counters and a side panel.
    const QColor sea(30, 70, 140), land(90, 130, 60);
    p.fillRect(0, 0, 320, 200, sea);
    for (int gy = 0; gy < 188; gy += 12) {
        const int coast =
            150 + static_cast<int>(30 * std::sin(gy / 20.0 + (stableHash(game.value("Platform")) % 7)));
        p.fillRect(coast, gy, 256 - coast, 12, land);
    }
    p.setPen(QColor(255, 255, 255, 60));
    for (int x = 0; x < 256; x += 16)
        p.drawLine(x, 0, x, 188);
    for (int y = 0; y < 188; y += 12)
        p.drawLine(0, y, 256, y);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const bool ours = i % 2 == 0;
        const int cx = rng.range(0, 14) * 16 + 2, cy = rng.range(0, 14) * 12 + 1;
        p.fillRect(cx, cy, 12, 10, ours ? pal.accent : QColor(200, 40, 40));
        p.fillRect(cx + 3, cy + 4, 6, 2, Qt::black);
    }
    p.fillRect(256, 0, 64, 200, pal.dark);
    p.setFont(font("DejaVu Sans", 8, false, true));
    p.setPen(pal.light);
    const QStringList panel = {QStringLiteral("TURN 14"),   QStringLiteral("FUEL 62"),
                               QStringLiteral("SHELLS 40"), QString(),
                               QStringLiteral("ORDERS"),    QStringLiteral("MOVE"),
                               QStringLiteral("ATTACK"),    QStringLiteral("SUPPLY")};
    int y = 6;
    for (const QString &line : panel) {
        p.drawText(262, y + 9, line);
        y += 14;
    }
    drawHud(p, QStringLiteral("Destroyer flotilla ready"), QString(), QColor(10, 10, 10), pal.light);
}

void sceneEconomy(QPainter &p, const Game &game, const Palette &pal, Rng &rng)
{
    const bool c64 = isC64(game);
    p.fillRect(0, 0, 320, 200, c64 ? QColor(53, 40, 121) : QColor(20, 30, 40));
    p.fillRect(8, 8, 180, 120, QColor(40, 90, 150));
    for (int i = 0; i < 14; ++i)
        p.fillRect(8 + rng.range(0, 160), 8 + rng.range(0, 100), rng.range(8, 20), rng.range(8, 16),
                   QColor(120, 150, 70));
    for (int i = 0; i < 6; ++i)
        p.fillRect(rng.range(12, 180), rng.range(12, 120), 4, 4, pal.accent);
    p.fillRect(196, 8, 116, 120, pal.dark);
    for (int i = 0; i < 7; ++i) {
        const int h = rng.range(10, 90);
        p.fillRect(204 + i * 15, 120 - h, 10, h,
                   QColor::fromHsv((pal.accent.hsvHue() + i * 25) % 360, 160, 220));
    }
    p.setFont(font("DejaVu Sans Mono", 8, false, true));
    p.setPen(c64 ? QColor(120, 106, 189) : pal.light);
    const QStringList ledger = {
        QStringLiteral("SEASON   GRAIN  TIMBER  GOLD"), QStringLiteral("SPRING     120      40    12"),
        QStringLiteral("SUMMER     180      55    14"), QStringLiteral("AUTUMN     210      60    11"),
        QStringLiteral("WINTER      90      20     9")};
    int y = 136;
    for (const QString &line : ledger) {
        p.drawText(10, y + 8, line);
        y += 10;
    }
}

void sceneFallingBlocks(QPainter &p, const Palette &pal, Rng &rng)
{
    p.fillRect(0, 0, 320, 200, pal.dark.darker(150));
    p.fillRect(108, 8, 104, 184, Qt::black);
    const QColor colours[] = {QColor(230, 60, 60), QColor(60, 200, 90), QColor(70, 110, 240),
                              QColor(240, 200, 50), pal.accent};
    for (int row = 0; row < 22; ++row)
        for (int col = 0; col < 12; ++col) {
            const bool filled = row > 12 ? rng.chance(75) : (row == 3 && col > 4 && col < 8);
            if (!filled)
                continue;
            const QColor c = colours[rng.range(0, 4)];
            p.fillRect(112 + col * 8, 12 + row * 8, 8, 8, c);
            p.fillRect(112 + col * 8, 12 + row * 8, 8, 1, c.lighter(150));
            p.fillRect(112 + col * 8 + 7, 12 + row * 8, 1, 8, c.darker(160));
        }
    p.setFont(font("DejaVu Sans", 9, true, true));
    p.setPen(pal.light);
    p.drawText(QRect(222, 20, 90, 60), Qt::AlignLeft, QStringLiteral("SCORE\n0031750\nLEVEL 7"));
    p.drawText(QRect(10, 20, 90, 60), Qt::AlignLeft, QStringLiteral("NEXT"));
    p.fillRect(20, 40, 8, 8, colours[1]);
    p.fillRect(28, 40, 8, 8, colours[1]);
    p.fillRect(28, 48, 8, 8, colours[1]);
}

void sceneMatchThree(QPainter &p, const Palette &pal, Rng &rng)
{
    // A handheld screen is 240 x 160: draw it centred in the frame.
    p.fillRect(0, 0, 320, 200, QColor(30, 30, 40));
    p.fillRect(40, 20, 240, 160, pal.dark);
    const QColor gems[] = {QColor(230, 50, 80), QColor(60, 210, 120), QColor(80, 140, 250),
                           QColor(250, 210, 60), QColor(200, 90, 230)};
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
            const QColor c = gems[rng.range(0, 4)];
            const int x = 48 + col * 18, y = 26 + row * 18;
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(
                QPolygon({QPoint(x + 8, y), QPoint(x + 16, y + 8), QPoint(x + 8, y + 16), QPoint(x, y + 8)}));
            p.fillRect(x + 6, y + 4, 2, 2, c.lighter(170));
        }
    p.setFont(font("DejaVu Sans", 9, true, true));
    p.setPen(pal.light);
    p.drawText(QRect(200, 30, 76, 80), Qt::AlignLeft, QStringLiteral("LEVEL\n12\n\nCHAIN\nx4"));
}

void sceneLogic(QPainter &p, const Game &game, const Palette &pal, Rng &rng)
{
    p.fillRect(0, 0, 320, 200, QColor(16, 16, 24));
    const bool light = game.value("SubGenre2").contains(QLatin1String("Light"));
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 12; ++col) {
            const int x = 40 + col * 20, y = 12 + row * 20;
            p.fillRect(x, y, 19, 19, (row + col) % 2 ? pal.dark : pal.dark.lighter(130));
            if (light && rng.chance(20)) {
                p.setPen(QPen(QColor(220, 220, 240), 2));
                if (rng.chance(50))
                    p.drawLine(x + 3, y + 3, x + 16, y + 16);
                else
                    p.drawLine(x + 16, y + 3, x + 3, y + 16);
            } else if (!light && rng.chance(30)) {
                p.fillRect(x + 3, y + 3, 13, 13, QColor::fromHsv(rng.range(0, 3) * 90, 200, 220));
            }
        }
    if (light) {
        p.setPen(QPen(QColor(255, 240, 120), 2));
        p.drawPolyline(QPolygon(
            {QPoint(40, 32), QPoint(130, 32), QPoint(130, 112), QPoint(230, 112), QPoint(230, 172)}));
    }
    drawHud(p, QStringLiteral("MOVES 017"), QStringLiteral("ROOM 08"), QColor(0, 0, 0), pal.light);
}

QImage drawScene(const Game &game, quint32 seed)
{
    QImage img(320, 200, QImage::Format_RGB32);
    QPainter p(&img);
    Rng rng(seed);
    const Palette pal = paletteFor(game);
    switch (sceneFor(game)) {
    case Scene::Room:
        sceneRoom(p, game, pal, rng);
        break;
    case Scene::TextAdventure:
        sceneTextAdventure(p, game, pal);
        break;
    case Scene::DosPrompt:
        sceneDosPrompt(p);
        break;
    case Scene::Platformer:
        scenePlatformer(p, game, pal, rng);
        break;
    case Scene::Shooter:
        sceneShooter(p, pal, rng);
        break;
    case Scene::Brawler:
        sceneBrawler(p, pal, rng);
        break;
    case Scene::Wargame:
        sceneWargame(p, game, pal, rng);
        break;
    case Scene::Economy:
        sceneEconomy(p, game, pal, rng);
        break;
    case Scene::FallingBlocks:
        sceneFallingBlocks(p, pal, rng);
        break;
    case Scene::MatchThree:
        sceneMatchThree(p, pal, rng);
        break;
    case Scene::Logic:
        sceneLogic(p, game, pal, rng);
        break;
    }
    return img;
}

QImage doubled(const QImage &img)
{
    return img.scaled(img.width() * 2, img.height() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage drawScreen(const Game &game, const QString &fileName)
{
    return doubled(drawScene(game, stableHash(game.value("Name") + fileName)));
}

QImage drawTitle(const Game &game, const QString &fileName)
{
    QImage img(320, 200, QImage::Format_RGB32);
    QPainter p(&img);
    Rng rng(stableHash(game.value("Name") + fileName));
    const Palette pal = paletteFor(game);
    const bool c64 = isC64(game);
    // Hard colour bands, the way a 16-colour title screen shades its sky.
    for (int i = 0; i < 10; ++i)
        p.fillRect(0, i * 20, 320, 20, QColor::fromHsv(pal.dark.hsvHue(), 200 - i * 8, 30 + i * 14));
    drawStars(p, QRect(0, 0, 320, 100), rng, 60);
    // Horizon silhouette.
    p.setPen(Qt::NoPen);
    p.setBrush(pal.dark.darker(200));
    QPolygon hills;
    hills << QPoint(0, 200);
    for (int x = 0; x <= 320; x += 20)
        hills << QPoint(x, 150 + rng.range(-14, 14));
    hills << QPoint(320, 200);
    p.drawPolygon(hills);
    if (c64) {
        p.fillRect(0, 0, 320, 16, QColor(120, 106, 189));
        p.fillRect(0, 184, 320, 16, QColor(120, 106, 189));
    }
    const QString name = game.value("Name").toUpper();
    const QRectF box(16, 28, 288, 100);
    QFont f = fittedTitleFont(font("DejaVu Sans", 40, true, true), name, box, 40);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    // Drop shadow, then the lettering: two flat colours, no smoothing.
    p.setPen(Qt::black);
    p.drawText(box.translated(3, 3), Qt::AlignCenter | Qt::TextWordWrap, name);
    p.setPen(pal.accent);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, name);
    p.setFont(font("DejaVu Sans", 9, false, true));
    p.setPen(pal.light);
    const QString credit =
        QStringLiteral("(C) ") + game.value("Year") + QLatin1Char(' ') + game.value("Publisher").toUpper();
    p.drawText(QRect(0, 160, 320, 12), Qt::AlignCenter, credit);
    const bool pointAndClick =
        game.value("Genre") == QLatin1String("Adventure") || game.value("Genre") == QLatin1String("Strategy");
    p.drawText(QRect(0, 172, 320, 12), Qt::AlignCenter,
               pointAndClick ? QStringLiteral("CLICK TO BEGIN") : QStringLiteral("PRESS FIRE TO START"));
    p.end();
    return doubled(img);
}

// ---------------------------------------------------------------------------------------------
// Box art.

void drawMotif(QPainter &p, const Game &game, const Palette &pal, Rng &rng, const QRectF &area)
{
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    const QString genre = game.value("Genre");
    if (genre == QLatin1String("Adventure")) {
        QRadialGradient moon(area.center().x() + 40, area.top() + 90, 60);
        moon.setColorAt(0, QColor(255, 250, 220));
        moon.setColorAt(0.7, pal.light);
        moon.setColorAt(1, Qt::transparent);
        p.setBrush(moon);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(area.center().x() + 40, area.top() + 90), 60, 60);
        p.setBrush(QColor(10, 10, 20));
        const bool sciFi = game.value("SubGenre2").contains(QLatin1String("Science"));
        const qreal ground = area.bottom() - 30;
        if (sciFi) {
            for (qreal x = area.left(); x < area.right(); x += 22) {
                const qreal h = rng.range(60, 200);
                p.drawRect(QRectF(x, ground - h, 18, h + 30));
                p.fillRect(QRectF(x + 8, ground - h - 14, 2, 14), QColor(10, 10, 20));
                for (qreal wy = ground - h + 8; wy < ground; wy += 14)
                    if (rng.chance(35))
                        p.fillRect(QRectF(x + 4, wy, 4, 5), QColor(255, 210, 120));
            }
        } else {
            QPainterPath castle;
            castle.moveTo(area.left(), area.bottom());
            castle.lineTo(area.left(), ground);
            qreal x = area.left();
            while (x < area.right()) {
                const qreal h = rng.range(30, 130);
                const qreal w = rng.range(24, 44);
                castle.lineTo(x, ground - h);
                castle.lineTo(x + w / 2, ground - h - 30); // pointed roof
                castle.lineTo(x + w, ground - h);
                castle.lineTo(x + w, ground);
                x += w + rng.range(4, 20);
                castle.lineTo(x, ground);
            }
            castle.lineTo(area.right(), area.bottom());
            castle.closeSubpath();
            p.drawPath(castle);
        }
    } else if (genre == QLatin1String("Action")) {
        const QPointF centre(area.center().x(), area.top() + area.height() * 0.55);
        for (int i = 0; i < 36; ++i) {
            const double a = i * 10 * 3.14159265 / 180;
            QPolygonF ray;
            ray << centre << centre + QPointF(400 * std::cos(a), 400 * std::sin(a))
                << centre + QPointF(400 * std::cos(a + 0.08), 400 * std::sin(a + 0.08));
            p.setBrush(i % 2 ? pal.mid : pal.accent.darker(130));
            p.setPen(Qt::NoPen);
            p.drawPolygon(ray);
        }
        p.setBrush(pal.light);
        p.setPen(QPen(Qt::black, 3));
        p.drawPolygon(QPolygonF({centre + QPointF(0, -70), centre + QPointF(40, 50), centre + QPointF(0, 30),
                                 centre + QPointF(-40, 50)}));
    } else if (genre == QLatin1String("Strategy")) {
        p.fillRect(area, QColor(40, 80, 140));
        QPainterPath landPath;
        landPath.moveTo(area.right(), area.top());
        for (qreal y = area.top(); y <= area.bottom(); y += 20)
            landPath.lineTo(area.center().x() + rng.range(-30, 60), y);
        landPath.lineTo(area.right(), area.bottom());
        landPath.closeSubpath();
        p.fillPath(landPath, QColor(120, 140, 80));
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        for (qreal x = area.left(); x < area.right(); x += 25)
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (qreal y = area.top(); y < area.bottom(); y += 25)
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QPen(QColor(200, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(area.left() + 40, area.bottom() - 60),
                   QPointF(area.center().x() + 10, area.center().y()));
        p.setPen(QPen(pal.accent, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(area.right() - 30, area.top() + 60),
                   QPointF(area.center().x() + 30, area.center().y() - 20));
    } else {
        for (int i = 0; i < 18; ++i) {
            p.save();
            p.translate(area.left() + rng.range(0, static_cast<int>(area.width())),
                        area.top() + rng.range(0, static_cast<int>(area.height())));
            p.rotate(rng.range(0, 89));
            const QColor c = QColor::fromHsv(rng.range(0, 359), 180, 230);
            p.setBrush(c);
            p.setPen(QPen(c.darker(170), 2));
            const int s = rng.range(20, 50);
            p.drawRoundedRect(QRectF(-s / 2.0, -s / 2.0, s, s), 4, 4);
            p.restore();
        }
    }
    p.restore();
}

QImage drawFront(const Game &game, const QString &fileName, bool expansionCover)
{
    QImage img(300, 400, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Rng rng(stableHash(game.value("Name") + fileName));
    const Palette pal = paletteFor(game);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, pal.dark);
    sky.setColorAt(0.6, pal.mid);
    sky.setColorAt(1, pal.light);
    p.fillRect(img.rect(), sky);
    drawMotif(p, game, pal, rng, QRectF(0, 30, 300, 340));

    // Platform band.
    p.fillRect(QRectF(0, 0, 300, 30), Qt::black);
    p.fillRect(QRectF(0, 30, 300, 3), pal.accent);
    p.setPen(Qt::white);
    p.setFont(font("DejaVu Sans", 13, true));
    p.drawText(QRectF(10, 0, 280, 30), Qt::AlignVCenter | Qt::AlignLeft,
               platformBadge(game.value("Platform")));

    if (expansionCover) {
        p.save();
        p.translate(220, 210);
        p.rotate(-20);
        p.fillRect(QRectF(-70, -14, 140, 28), QColor(220, 30, 30));
        p.setPen(Qt::white);
        p.setFont(font("DejaVu Sans", 12, true));
        p.drawText(QRectF(-70, -14, 140, 28), Qt::AlignCenter, QStringLiteral("EXPANSION"));
        p.restore();
    }

    const QString name = game.value("Name");
    const QRectF titleBox(14, 40, 272, 130);
    const QFont titleFont = fittedTitleFont(font("URW Gothic", 48, true), name.toUpper(), titleBox, 48);
    drawOutlinedText(p, titleBox, name.toUpper(), titleFont, pal.light.lighter(115), Qt::black, 5);

    // Publisher strip.
    p.fillRect(QRectF(0, 360, 300, 40), QColor(0, 0, 0, 170));
    p.setPen(Qt::white);
    p.setFont(font("Nimbus Sans", 14, true));
    p.drawText(QRectF(12, 360, 200, 40), Qt::AlignVCenter | Qt::AlignLeft, game.value("Publisher"));
    p.setFont(font("Nimbus Sans", 13));
    p.drawText(QRectF(200, 360, 88, 40), Qt::AlignVCenter | Qt::AlignRight, game.value("Year"));
    return img;
}

QString aboutText(const Game &game)
{
    QFile file(game.metaFolder + QStringLiteral("/About/") + game.value("About"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.trimmed();
}

QImage drawBack(const Game &game, const QString &fileName)
{
    QImage img(300, 400, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Palette pal = paletteFor(game);
    QLinearGradient bg(0, 0, 300, 400);
    bg.setColorAt(0, pal.dark.darker(150));
    bg.setColorAt(1, pal.dark);
    p.fillRect(img.rect(), bg);
    p.setPen(pal.light);
    p.setFont(
        fittedFont(font("URW Gothic", 24, true), game.value("Name").toUpper(), QRectF(12, 8, 276, 40), 24));
    p.drawText(QRectF(12, 8, 276, 40), Qt::AlignCenter | Qt::TextWordWrap, game.value("Name").toUpper());

    // Two screenshots, as a box back shows them.
    const QImage shot = drawScene(game, stableHash(game.value("Name") + fileName));
    const QImage shot2 = drawTitle(game, fileName);
    p.setPen(QPen(Qt::white, 2));
    p.drawImage(QRectF(14, 56, 128, 80), shot);
    p.drawRect(QRectF(14, 56, 128, 80));
    p.drawImage(QRectF(158, 56, 128, 80), shot2);
    p.drawRect(QRectF(158, 56, 128, 80));

    // The note's heading and its underline would only repeat the name printed above.
    QStringList noteLines = aboutText(game).split(QLatin1Char('\n'));
    noteLines.removeIf([&](const QString &line) {
        const QString t = line.trimmed();
        return t == game.value("Name") || (!t.isEmpty() && t.count(QLatin1Char('=')) == t.size());
    });
    QString blurb = noteLines.mid(0, 8).join(QLatin1Char(' ')).simplified();
    if (blurb.isEmpty())
        blurb = game.value("Name") + QStringLiteral(" - ") + game.value("Genre");
    p.setPen(QColor(235, 235, 235));
    const QRectF blurbBox(16, 148, 268, 170);
    p.setFont(fittedFont(font("DejaVu Serif", 14), blurb, blurbBox, 14,
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
    p.drawText(blurbBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, blurb);

    // Requirements box and bar code.
    p.fillRect(QRectF(14, 330, 150, 56), QColor(0, 0, 0, 140));
    p.setPen(Qt::white);
    p.setFont(font("Nimbus Sans", 10));
    p.drawText(QRectF(20, 334, 140, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("For ") + game.value("Platform") + QStringLiteral("\nDeveloped by ") +
                   game.value("Developer"));
    p.fillRect(QRectF(196, 330, 90, 56), Qt::white);
    Rng rng(stableHash(game.value("Name")));
    for (qreal x = 202; x < 280;) {
        const int w = rng.range(1, 3);
        p.fillRect(QRectF(x, 334, w, 40), Qt::black);
        x += w + rng.range(1, 3);
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Media and adverts.

void drawLabel(QPainter &p, const QRectF &box, const Game &game, const QColor &paper)
{
    p.fillRect(box, paper);
    p.setPen(QColor(40, 40, 40));
    const QString text = game.value("Name") + QStringLiteral("\n") + game.value("Publisher");
    p.setFont(fittedFont(font("DejaVu Sans", 20, true), text, box.adjusted(4, 4, -4, -4), 20));
    p.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
}

QImage drawMedia(const Game &game, const QString &fileName)
{
    QImage img(300, 300, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Palette pal = paletteFor(game);
    const QString platform = game.value("Platform");
    const QString lower = fileName.toLower();
    auto floppy35 = [&](const QPointF &origin, qreal size, const QColor &body) {
        const QRectF r(origin, QSizeF(size, size));
        p.setPen(QPen(body.darker(160), 2));
        p.setBrush(body);
        p.drawRoundedRect(r, 6, 6);
        p.fillRect(QRectF(r.left() + size * 0.25, r.top(), size * 0.5, size * 0.3), QColor(190, 190, 200));
        p.fillRect(QRectF(r.left() + size * 0.52, r.top() + size * 0.04, size * 0.1, size * 0.2),
                   body.darker(140));
        drawLabel(p, QRectF(r.left() + size * 0.1, r.top() + size * 0.42, size * 0.8, size * 0.54), game,
                  QColor(250, 250, 240));
    };
    if (lower.contains(QLatin1String("cart"))) {
        const bool handheld = platform.contains(QLatin1String("Game Boy"));
        const bool dark = platform.contains(QLatin1String("Atari"));
        const QRectF body = handheld ? QRectF(60, 50, 180, 200) : QRectF(30, 60, 240, 190);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(dark ? QColor(40, 40, 40) : QColor(170, 170, 175));
        QPainterPath shape;
        shape.addRoundedRect(body, 10, 10);
        p.drawPath(shape);
        for (int i = 0; i < 6; ++i)
            p.fillRect(QRectF(body.left() + 14 + i * 10, body.top() + 10, 5, 24),
                       dark ? QColor(60, 60, 60) : QColor(140, 140, 145));
        drawLabel(p, QRectF(body.left() + 20, body.top() + 44, body.width() - 40, body.height() - 70), game,
                  pal.light);
    } else if (lower.contains(QLatin1String("tape"))) {
        const QRectF body(20, 70, 260, 160);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(body, 8, 8);
        drawLabel(p, QRectF(36, 82, 228, 60), game, pal.light);
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QPointF(100, 178), 18, 18);
        p.drawEllipse(QPointF(200, 178), 18, 18);
        p.fillRect(QRectF(120, 168, 60, 20), QColor(90, 60, 40));
    } else if (lower.contains(QLatin1String("disks"))) {
        floppy35(QPointF(20, 20), 190, QColor(50, 50, 60));
        floppy35(QPointF(90, 90), 190, QColor(60, 60, 75));
    } else if (platform == QLatin1String("Commodore 64") || game.value("Year").toInt() < 1987) {
        // 5.25-inch: square sleeve, centre hole, label at the top.
        const QRectF r(30, 30, 240, 240);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(25, 25, 25));
        p.drawRect(r);
        p.setBrush(QColor(120, 100, 70));
        p.drawEllipse(r.center(), 30, 30);
        p.setBrush(Qt::white);
        p.drawEllipse(r.center(), 14, 14);
        p.fillRect(QRectF(140, 200, 20, 60), QColor(120, 100, 70));
        drawLabel(p, QRectF(50, 40, 200, 70), game, QColor(250, 250, 240));
    } else {
        floppy35(QPointF(30, 30), 240,
                 platform == QLatin1String("Amiga") ? QColor(200, 200, 205) : QColor(40, 40, 55));
    }
    return img;
}

QImage drawAdvert(const Game &game, const QString &fileName)
{
    QImage img(300, 400, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Palette pal = paletteFor(game);
    p.fillRect(img.rect(), QColor(245, 240, 225));
    p.fillRect(QRectF(0, 0, 300, 70), pal.dark);
    p.setPen(pal.accent);
    p.setFont(font("URW Gothic", 34, true));
    p.drawText(QRectF(0, 0, 300, 70), Qt::AlignCenter,
               game.value("Year").toInt() < 1990 ? QStringLiteral("OUT NOW!")
                                                 : QStringLiteral("COMING SOON"));

    const QImage shot = drawScene(game, stableHash(fileName));
    p.drawImage(QRectF(20, 84, 260, 162), shot);
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(QRectF(20, 84, 260, 162));

    const QString name = game.value("Name").toUpper();
    const QRectF nameBox(14, 252, 272, 56);
    drawOutlinedText(p, nameBox, name, fittedTitleFont(font("URW Gothic", 34, true), name, nameBox, 34),
                     pal.mid, Qt::black, 3);

    p.setPen(QColor(40, 40, 40));
    p.setFont(font("DejaVu Serif", 13, false));
    QFont quote = p.font();
    quote.setItalic(true);
    p.setFont(quote);
    p.drawText(
        QRectF(20, 312, 260, 40), Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("\"The one game you will still be playing next winter.\" - Pixel Post Monthly"));
    p.fillRect(QRectF(0, 360, 300, 40), Qt::black);
    p.setPen(Qt::white);
    p.setFont(font("Nimbus Sans", 13, true));
    p.drawText(QRectF(12, 360, 276, 40), Qt::AlignVCenter | Qt::AlignLeft, game.value("Publisher"));
    p.drawText(QRectF(12, 360, 276, 40), Qt::AlignVCenter | Qt::AlignRight, game.value("Platform"));
    return img;
}

QImage drawMap(const Game &game, const QString &fileName)
{
    QImage img(600, 450, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(stableHash(game.value("Name") + fileName));
    p.fillRect(img.rect(), QColor(236, 224, 190));
    p.setPen(QPen(QColor(120, 90, 50), 4));
    p.drawRect(QRectF(10, 10, 580, 430));
    QFont labelFont = font("C059", 15, true);
    p.setFont(labelFont);
    if (fileName.contains(QLatin1String("sea"), Qt::CaseInsensitive)) {
        p.fillRect(QRectF(12, 12, 576, 426), QColor(170, 200, 215));
        QPainterPath coast;
        coast.moveTo(590, 12);
        for (int y = 12; y <= 438; y += 18)
            coast.lineTo(380 + rng.range(-40, 40), y);
        coast.lineTo(590, 438);
        coast.closeSubpath();
        p.fillPath(coast, QColor(210, 195, 150));
        p.setPen(QPen(QColor(60, 80, 100, 120), 1));
        for (int x = 12; x < 590; x += 48)
            p.drawLine(x, 12, x, 438);
        for (int y = 12; y < 438; y += 48)
            p.drawLine(12, y, 590, y);
        p.setPen(QPen(QColor(160, 30, 30), 3));
        p.drawLine(QPointF(300, 12), QPointF(300, 438)); // the disputed meridian
        p.setPen(QColor(40, 40, 40));
        const char *ports[] = {"Port Ardent", "Kessel Roads", "Greyhaven", "Cape Lumen"};
        for (int i = 0; i < 4; ++i) {
            const QPointF at(400 + rng.range(0, 60), 70 + i * 95);
            p.setBrush(QColor(40, 40, 40));
            p.drawEllipse(at, 5, 5);
            p.drawText(at + QPointF(10, 5), QString::fromLatin1(ports[i]));
        }
        // Compass rose.
        p.setBrush(QColor(120, 90, 50));
        p.drawPolygon(QPolygonF({QPointF(90, 60), QPointF(100, 100), QPointF(90, 92), QPointF(80, 100)}));
        p.drawText(QRectF(70, 30, 40, 24), Qt::AlignCenter, QStringLiteral("N"));
    } else {
        // A floor plan: a grid of rooms, some joined by doors, each with a name.
        const char *rooms[] = {"Library", "Hall",  "Kitchen", "Chapel", "Gallery",
                               "Cellar",  "Tower", "Study",   "Armoury"};
        p.setPen(QPen(QColor(80, 60, 40), 5));
        p.setBrush(QColor(226, 210, 170));
        for (int i = 0; i < 9; ++i) {
            const QRectF room(40 + (i % 3) * 176, 40 + (i / 3) * 128, 168, 120);
            p.drawRect(room);
            p.save();
            p.setPen(QColor(60, 40, 20));
            p.drawText(room, Qt::AlignCenter, QString::fromLatin1(rooms[i]));
            p.restore();
            if (i % 3 != 2)
                p.fillRect(QRectF(room.right() - 2, room.center().y() - 12, 12, 24), QColor(236, 224, 190));
            if (i < 6)
                p.fillRect(QRectF(room.center().x() - 12, room.bottom() - 2, 24, 12), QColor(236, 224, 190));
        }
        p.setPen(QColor(140, 30, 30));
        p.drawText(QRectF(20, 412, 560, 24), Qt::AlignCenter, game.value("Name"));
    }
    return img;
}

// ---------------------------------------------------------------------------------------------

bool save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool jpeg = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
    QImage out = image;
    if (jpeg)
        out = image.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 80 : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    if (!jpeg && QFileInfo(path).size() > PictureBudget) {
        // Smooth gradients make big PNGs; a 256-colour palette keeps them within budget.
        out = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        out.save(path, "PNG");
    }
    const qint64 size = QFileInfo(path).size();
    std::printf("%7lld  %s%s\n", static_cast<long long>(size), qPrintable(path),
                size > PictureBudget ? "  (over budget)" : "");
    return true;
}

Game readGame(const QString &iniPath)
{
    Game game;
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return game;
    bool inMain = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMain = line.compare(QLatin1String("[Main]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (inMain && eq > 0)
            game.keys.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed());
    }
    game.metaFolder = QFileInfo(iniPath).absolutePath() + QStringLiteral("/..");
    game.metaFolder = QDir::cleanPath(game.metaFolder);
    return game;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-sample-art <Games folder>\n");
        return 2;
    }
    QStringList iniFiles;
    QDirIterator it(args.at(1), {QStringLiteral("*.ini")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/Pallox/IniFile/")))
            iniFiles << path;
    }
    iniFiles.sort();

    QSet<QString> written;
    int failures = 0;
    qint64 total = 0;
    for (const QString &iniPath : iniFiles) {
        const Game game = readGame(iniPath);
        if (game.value("Name").isEmpty())
            continue;
        const bool expansion = game.value("SubGenre2") == QLatin1String("Expansion");
        auto make = [&](const char *key, const char *folder, auto draw) {
            const QString name = game.value(key);
            if (name.isEmpty())
                return;
            const QString path =
                game.metaFolder + QLatin1Char('/') + QLatin1String(folder) + QLatin1Char('/') + name;
            if (written.contains(path))
                return;
            written.insert(path);
            if (!save(draw(name), path))
                ++failures;
            total += QFileInfo(path).size();
        };
        make("Front01", "Front", [&](const QString &n) { return drawFront(game, n, expansion); });
        make("Back01", "Back", [&](const QString &n) { return drawBack(game, n); });
        make("Title01", "Title", [&](const QString &n) { return drawTitle(game, n); });
        make("Screen01", "Screen", [&](const QString &n) { return drawScreen(game, n); });
        make("Media01", "Media", [&](const QString &n) { return drawMedia(game, n); });
        make("Adv01", "Advert", [&](const QString &n) { return drawAdvert(game, n); });
        for (int i = 1; i <= 7; ++i) {
            const QByteArray key = "ExtraLink" + QByteArray::number(i);
            const QString link = game.value(key.constData()).toLower();
            if (link.endsWith(QLatin1String(".png")) || link.endsWith(QLatin1String(".jpg")))
                make(key.constData(), "Extras", [&](const QString &n) { return drawMap(game, n); });
        }
    }
    std::printf("%d pictures, %lld bytes\n", static_cast<int>(written.size()), static_cast<long long>(total));
    return failures == 0 ? 0 : 1;
}
