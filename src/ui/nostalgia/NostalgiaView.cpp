#include "ui/nostalgia/NostalgiaView.h"

#include "base/SettingsFile.h"
#include "browse/DetailsContent.h"
#include "nostalgia/NostalgiaFonts.h"
#include "presentation/NostalgiaLayout.h"
#include "nostalgia/NostalgiaScene.h"
#include "presentation/NostalgiaPieceLook.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "session/LaunchModel.h"
#include "session/LibraryModel.h"
#include "session/PreferencesModel.h"
#include "ui/nostalgia/NostalgiaBigScreen.h"
#include "ui/nostalgia/NostalgiaLabels.h"
#include "ui/nostalgia/NostalgiaPicture.h"
#include "ui/common/PictureLabel.h"
#include "ui/common/WidgetColors.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QItemSelectionModel>
#include <QListView>
#include <QMainWindow>
#include <QTimer>

NostalgiaView::NostalgiaView(LibrarySession &session, QMainWindow &window)
    : QWidget(&window), m_session(session), m_window(window), m_scene(session.nostalgiaScene())
{
    setObjectName(QStringLiteral("pnlNostalgia"));
    setAutoFillBackground(true);
    WidgetColors::setBackground(this, Qt::black);
    hide();

    buildPictures();
    buildDiskLabel();
    m_labels = new NostalgiaLabels(session, *this);
    connect(m_labels, &NostalgiaLabels::platformLaunchRequested, this,
            &NostalgiaView::platformLaunchRequested);
    buildList();
    pnlBigScreen = new NostalgiaBigScreen(this);
    connect(pnlBigScreen, &NostalgiaBigScreen::fieldClicked, this, &NostalgiaView::fieldClicked);

    timerNostalgia = new QTimer(this);
    timerNostalgia->setObjectName(QStringLiteral("timerNostalgia"));
    timerNostalgia->setInterval(m_scene.transitionInterval());
    connect(timerNostalgia, &QTimer::timeout, this, &NostalgiaView::timerNostalgiaTimer);

    connect(&m_session.browse(), &BrowseModel::listChanged, this, [this] {
        if (m_on)
            showList();
    });
    connect(&m_session.browse(), &BrowseModel::selectionChanged, this, &NostalgiaView::followSelection);
    connect(&m_session.preferences(), &PreferencesModel::nostalgiaModeChanged, this, [this](bool on) { m_on = on; });
    m_client = m_window.centralWidget();
    if (m_client)
        m_client->installEventFilter(this);
}

NostalgiaView::~NostalgiaView() = default;

void NostalgiaView::buildPictures()
{
    for (const NostalgiaPieceLook &info : nostalgiaPieceLooks()) {
        using Drawing = NostalgiaPicture::Drawing;
        auto *picture = new NostalgiaPicture(QLatin1String(info.name),
                                             info.fitted ? Drawing::Fitted : Drawing::Stretched, this);
        if (info.pointing)
            picture->setCursor(Qt::PointingHandCursor);
        picture->setToolTip(QLatin1String(info.toolTip));
        m_pieces[size_t(info.piece)] = picture;
    }
    piece(NostalgiaPiece::Manual)->installEventFilter(this);

    connect(piece(NostalgiaPiece::Front), &NostalgiaPicture::clicked, this, [this] {
        m_scene.showBack(true);
        showScene();
    });
    connect(piece(NostalgiaPiece::Back), &NostalgiaPicture::clicked, this, [this] {
        m_scene.showBack(false);
        showScene();
    });
    connect(piece(NostalgiaPiece::Computer), &NostalgiaPicture::clicked, this,
            [this] { pnlBigScreen->openOn(piece(NostalgiaPiece::Computer)->geometry()); });
    const auto setup = [this] {
        if (m_session.browse().selectedIndex() >= 0 &&
            !m_session.browse().details().setup.isEmpty())
            emit launchRequested(true);
    };
    connect(piece(NostalgiaPiece::Screen), &NostalgiaPicture::clicked, this, setup);
    connect(piece(NostalgiaPiece::Title), &NostalgiaPicture::clicked, this, setup);
    connect(piece(NostalgiaPiece::Manual), &NostalgiaPicture::clicked, this, [this] {
        if (m_session.browse().selectedIndex() >= 0)
            m_session.launch().openManual(m_session.browse().details().manual);
    });
}

NostalgiaPicture *NostalgiaView::piece(NostalgiaPiece which) const
{
    return m_pieces[size_t(which)];
}

void NostalgiaView::buildDiskLabel()
{
    lblDiskLabel = new QLabel(this);
    lblDiskLabel->setObjectName(QStringLiteral("lblDiskLabel"));
    lblDiskLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDiskLabel->setWordWrap(true);
    lblDiskLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    WidgetColors::setTextColor(lblDiskLabel, Qt::black);
}

void NostalgiaView::buildList()
{
    lbNostalgiaMain = new QListView(this);
    lbNostalgiaMain->setObjectName(QStringLiteral("lbNostalgiaMain"));
    lbNostalgiaMain->setUniformItemSizes(true);
    lbNostalgiaMain->setSelectionMode(QAbstractItemView::SingleSelection);
    lbNostalgiaMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbNostalgiaMain->setFrameShape(QFrame::NoFrame);
    WidgetColors::setContentColors(lbNostalgiaMain, Qt::white, Qt::black);
    lbNostalgiaMain->installEventFilter(this);
    connect(lbNostalgiaMain, &QAbstractItemView::doubleClicked, this, [this] { emit launchRequested(false); });
}

void NostalgiaView::attachList(bool attached)
{
    if (attached == m_listAttached)
        return;
    m_listAttached = attached;
    // The same entries as the main list, kept by the session: nothing to copy when the list
    // changes. While the view is off it holds none, or it would lay out every new list for nobody.
    QItemSelectionModel *old = lbNostalgiaMain->selectionModel();
    lbNostalgiaMain->setModel(attached ? &m_session.browse().listModel() : nullptr);
    delete old;
    if (attached) {
        connect(lbNostalgiaMain->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
            if (!m_following)
                lbNostalgiaMainChange();
        });
    }
}

QList<QLabel *> NostalgiaView::platformLabels() const
{
    return m_labels->platformLabels();
}

void NostalgiaView::focusList()
{
    lbNostalgiaMain->setFocus();
}

void NostalgiaView::switchMode(bool on)
{
    m_session.preferences().setNostalgiaMode(on);
    setVisible(on);
    if (on) {
        LoadNostalgia();
    } else {
        // Nothing to animate behind the ordinary view.
        attachList(false);
        timerNostalgia->stop();
        pnlBigScreen->setCursorBlinking(false);
        lower();
    }
}

void NostalgiaView::showMode(bool on)
{
    m_on = on;
    setVisible(on);
}

void NostalgiaView::placeOverClientArea()
{
    if (const QWidget *client = m_window.centralWidget())
        setGeometry(client->geometry());
}

void NostalgiaView::LoadNostalgia()
{
    m_prepared = true;
    NostalgiaFonts::loadSkinFonts(m_session.library().state().Places.skinsFolder());
    m_scene.LoadNostalgiaFile(QString(), QString());
    // Behind the ordinary view there is nothing to draw, and decoding the scene would only slow
    // the start; switching the mode on prepares the view again.
    if (!m_on)
        return;
    placeOverClientArea();
    raise();
    attachList(true);
    showList();
    LoadNostalgiaImages();
    m_scene.loadScenePictures();
    timerNostalgia->setInterval(m_scene.transitionInterval());
    highlight(m_session.browse().selectedIndex());
    lbNostalgiaMainClick();
    lbNostalgiaMain->setFocus();
    pnlBigScreen->setCursorBlinking(true);
    pnlBigScreen->placeCloseMark();
}

void NostalgiaView::showList()
{
    // The model holds the new entries already; laid out before anything points into them (see
    // MainListPane::showList), the highlight follows the session's.
    lbNostalgiaMain->doItemsLayout();
    highlight(m_session.browse().selectedIndex());
}

void NostalgiaView::highlight(int index)
{
    m_following = true;
    if (index < 0)
        lbNostalgiaMain->setCurrentIndex(QModelIndex());
    else
        lbNostalgiaMain->setCurrentIndex(lbNostalgiaMain->model()->index(index, 0));
    m_following = false;
}

int NostalgiaView::currentRow() const
{
    const QModelIndex current = lbNostalgiaMain->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NostalgiaView::followSelection()
{
    // Hidden, the view waits for LoadNostalgia, which catches up when the mode is switched on.
    if (!m_on || !m_prepared)
        return;
    highlight(m_session.browse().selectedIndex());
    lbNostalgiaMainClick();
}

void NostalgiaView::lbNostalgiaMainChange()
{
    // The session selects and the details follow; its signal brings the update here.
    const int index = currentRow();
    if (index != m_session.browse().selectedIndex())
        m_session.browse().select(index);
    else
        lbNostalgiaMainClick();
}

void NostalgiaView::lbNostalgiaMainClick()
{
    static const DetailsContent nothing;
    const bool selected = m_session.browse().selectedIndex() >= 0;
    const DetailsContent &details = selected ? m_session.browse().details() : nothing;

    m_scene.chooseSkinFor(details);
    m_labels->showPlatforms(m_scene);
    // The layout reads the new file's values, which name the pictures.
    LoadNostalgiaImages();
    m_scene.loadScenePictures();
    m_scene.loadScreenPictures();
    timerNostalgia->setInterval(m_scene.transitionInterval());
    timerNostalgia->stop();

    m_scene.showGame(selected ? &details : nullptr, &PictureLabel::load);
    // The layout above measured the name before; this one may wrap otherwise.
    lblDiskLabel->setText(m_scene.diskLabel());
    placeDiskLabel();
    showPictures();
    showScene();

    m_labels->showExtras(details);

    pnlBigScreen->showFacts(details);
    pnlBigScreen->placeCloseMark();
    timerNostalgia->start();
}

void NostalgiaView::showPictures()
{
    for (const NostalgiaPieceLook &info : nostalgiaPieceLooks())
        piece(info.piece)->setImage(m_scene.image(info.piece));
    pnlBigScreen->setPicture(m_scene.bigScreenPicture());
}

void NostalgiaView::showScene()
{
    // The title lies in front of the screen by the order the pictures were made in; raising it
    // would put it over the big screen too.
    for (const NostalgiaPieceLook &info : nostalgiaPieceLooks())
        piece(info.piece)->setVisible(m_scene.shown(info.piece));
    lblDiskLabel->setVisible(m_scene.diskLabelShown());
}

void NostalgiaView::applyFonts()
{
    lbNostalgiaMain->setFont(NostalgiaFonts::listFont(lbNostalgiaMain->font(), m_scene.skin()));
    pnlBigScreen->setDosFont(NostalgiaFonts::dosFont());
}

void NostalgiaView::placeDiskLabel()
{
    // The skin's size where the wrapped name fits into the lower half of the disk, smaller where
    // it does not: cut, "Beneath a Steel Sky" would read "Beneath a".
    const QRect disk = piece(NostalgiaPiece::Disk)->geometry();
    const QSize room = NostalgiaLayout::diskLabelRoom(disk);
    const QString text = lblDiskLabel->text();
    QFont font = NostalgiaFonts::diskFont(lblDiskLabel->font(), m_scene.skin());
    font.setPointSize(NostalgiaLayout::fittedFontSize(font.pointSize(), room, [&](int size) {
        QFont sized = font;
        sized.setPointSize(size);
        return QFontMetrics(sized)
            .boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX), Qt::AlignHCenter | Qt::TextWordWrap, text)
            .size();
    }));
    lblDiskLabel->setFont(font);
    lblDiskLabel->setGeometry(
        NostalgiaLayout::diskLabel(disk, qMax(room.height(), lblDiskLabel->heightForWidth(room.width()))));
}

void NostalgiaView::LoadNostalgiaImages()
{
    const NostalgiaSkinValues &skin = m_scene.readSkin(m_window.frameGeometry().width());
    // Back to front: the disk sits in the computer as placed.
    for (const NostalgiaPieceLook &info : nostalgiaPieceLooks()) {
        const QRect computer = piece(NostalgiaPiece::Computer)->geometry();
        piece(info.piece)->setGeometry(NostalgiaLayout::pieceBox(skin, info.piece, rect(), computer));
    }

    applyFonts();
    lbNostalgiaMain->setGeometry(NostalgiaLayout::list(width(), height(), skin.listWidth));
    m_labels->placeExtras(skin);
    m_labels->placePlatforms(NostalgiaLayout::platformRowAt(height()));

    placeDiskLabel();

    pnlBigScreen->centreOn(piece(NostalgiaPiece::Computer)->geometry());
    pnlBigScreen->raise();
    pnlBigScreen->placeCloseMark();
}

void NostalgiaView::timerNostalgiaTimer()
{
    if (!m_scene.tick())
        timerNostalgia->stop();
    showScene();
    update();
}

bool NostalgiaView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // Compared with the pointer kept at construction: the main window's children still send
    // events while it is being destroyed, when it can no longer be asked for them.
    if (watched == m_client) {
        if ((type == QEvent::Resize || type == QEvent::Move) && m_on) {
            // A resized window reads the keys of its new width bucket.
            placeOverClientArea();
            LoadNostalgiaImages();
        }
    } else if (watched == lbNostalgiaMain && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit launchRequested(false);
            return true;
        }
        if (key == Qt::Key_Space) {
            // Front to back or back to front.
            m_scene.flipBox();
            showScene();
            return true;
        }
    } else if (watched == piece(NostalgiaPiece::Manual) && (type == QEvent::Enter || type == QEvent::Leave)) {
        m_scene.lightManual(type == QEvent::Enter);
        piece(NostalgiaPiece::Manual)->setImage(m_scene.image(NostalgiaPiece::Manual));
    }
    return QWidget::eventFilter(watched, event);
}
