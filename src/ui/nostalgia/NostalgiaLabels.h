#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>

class LibrarySession;
class NostalgiaScene;
class QLabel;
class QWidget;
struct DetailsContent;
struct NostalgiaSkinValues;

// The labels of the Nostalgia view that act like the details panel's: the row of the game's
// platforms at the bottom left (each with a shadow twin) and the extras.
class NostalgiaLabels : public QObject
{
    Q_OBJECT
public:
    NostalgiaLabels(LibrarySession &session, QWidget &panel);

    // The platform row as the scene holds it.
    void showPlatforms(const NostalgiaScene &scene);
    void showExtras(const DetailsContent &details);

    // The row from the given top left, each label 20 pixels after the one before it.
    void placePlatforms(QPoint at);
    // The extras one under another from the skin's place, in the skin's font.
    void placeExtras(const NostalgiaSkinValues &skin);
    // The platform labels, for the hover colours the details panel's platform labels have too.
    QList<QLabel *> platformLabels() const;

signals:
    void platformLaunchRequested(const QString &platform);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int platformNumber(const QObject *label) const;

    std::array<QLabel *, 7> lblNostalgiaExtra{};
    std::array<QLabel *, 11> lblNostalgiaPlatform{};
    std::array<QLabel *, 11> lblNostalgiaPlatformShadow{};

    LibrarySession &m_session;
};
