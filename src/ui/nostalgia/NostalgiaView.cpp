#include "ui/nostalgia/NostalgiaView.h"

#include "app/SettingsFile.h"
#include "browse/DetailsContent.h"
#include "nostalgia/NostalgiaLayout.h"
#include "session/LibrarySession.h"
#include "ui/nostalgia/NostalgiaBigScreen.h"
#include "ui/nostalgia/NostalgiaFonts.h"
#include "ui/nostalgia/NostalgiaLabels.h"
#include "ui/nostalgia/NostalgiaPicture.h"
#include "ui/common/PictureLabel.h"
#include "ui/common/WidgetColors.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QTimer>

NostalgiaView::NostalgiaView(LibrarySession &session, QMainWindow &window)
    : QWidget(&window), m_session(session), m_window(window), m_scene(session.state().SkinsFolder,
              [&session](const QString &file, const Failure &failure) { session.reportOnce(file, failure.message()); })
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

    connect(&m_session, &LibrarySession::listChanged, this, [this] {
        m_listStale = true;
        if (m_session.state().NostalgiaMode)
            showList();
    });
    connect(&m_session, &LibrarySession::selectionChanged, this, &NostalgiaView::followSelection);
    m_client = m_window.centralWidget();
    if (m_client)
        m_client->installEventFilter(this);
}

NostalgiaView::~NostalgiaView() = default;

void NostalgiaView::buildPictures()
{
    using Drawing = NostalgiaPicture::Drawing;
    // Made back to front: each one is drawn over those made before it.
    imgNostalgiaBG = new NostalgiaPicture(QStringLiteral("imgNostalgiaBG"), Drawing::Stretched, this);
    imgNostalgiaComp = new NostalgiaPicture(QStringLiteral("imgNostalgiaComp"), Drawing::Fitted, this);
    imgNostalgiaScreen = new NostalgiaPicture(QStringLiteral("imgNostalgiaScreen"), Drawing::Stretched, this);
    imgNostalgiaTitle = new NostalgiaPicture(QStringLiteral("imgNostalgiaTitle"), Drawing::Stretched, this);
    imgNostalgiaOpenBox = new NostalgiaPicture(QStringLiteral("imgNostalgiaOpenBox"), Drawing::Fitted, this);
    imgNostalgiaBack = new NostalgiaPicture(QStringLiteral("imgNostalgiaBack"), Drawing::Fitted, this);
    imgNostalgiaFront = new NostalgiaPicture(QStringLiteral("imgNostalgiaFront"), Drawing::Fitted, this);
    imgNostalgiaManual = new NostalgiaPicture(QStringLiteral("imgNostalgiaManual"), Drawing::Fitted, this);
    imgNostalgiaDisk = new NostalgiaPicture(QStringLiteral("imgNostalgiaDisk"), Drawing::Fitted, this);
    for (NostalgiaPicture *picture :
         {imgNostalgiaComp, imgNostalgiaFront, imgNostalgiaBack, imgNostalgiaManual})
        picture->setCursor(Qt::PointingHandCursor);
    imgNostalgiaFront->setToolTip(QStringLiteral("flip the box"));
    imgNostalgiaBack->setToolTip(QStringLiteral("flip the box"));
    imgNostalgiaManual->installEventFilter(this);

    connect(imgNostalgiaFront, &NostalgiaPicture::clicked, this, [this] {
        m_scene.showBack(true);
        showScene();
    });
    connect(imgNostalgiaBack, &NostalgiaPicture::clicked, this, [this] {
        m_scene.showBack(false);
        showScene();
    });
    connect(imgNostalgiaComp, &NostalgiaPicture::clicked, this,
            [this] { pnlBigScreen->openOn(imgNostalgiaComp->geometry()); });
    const auto setup = [this] {
        if (m_session.selectedIndex() >= 0 &&
            !m_session.details().setup.isEmpty())
            emit launchRequested(true);
    };
    connect(imgNostalgiaScreen, &NostalgiaPicture::clicked, this, setup);
    connect(imgNostalgiaTitle, &NostalgiaPicture::clicked, this, setup);
    connect(imgNostalgiaManual, &NostalgiaPicture::clicked, this, [this] {
        if (m_session.selectedIndex() >= 0)
            m_session.openManual(m_session.details().manual);
    });
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
    lbNostalgiaMain = new QListWidget(this);
    lbNostalgiaMain->setObjectName(QStringLiteral("lbNostalgiaMain"));
    lbNostalgiaMain->setUniformItemSizes(true);
    lbNostalgiaMain->setFrameShape(QFrame::NoFrame);
    WidgetColors::setContentColors(lbNostalgiaMain, Qt::white, Qt::black);
    lbNostalgiaMain->installEventFilter(this);
    connect(lbNostalgiaMain, &QListWidget::currentRowChanged, this, &NostalgiaView::lbNostalgiaMainChange);
    connect(lbNostalgiaMain, &QListWidget::itemDoubleClicked, this, [this] { emit launchRequested(false); });
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
    m_session.setNostalgiaMode(on);
    setVisible(on);
    if (on) {
        LoadNostalgia();
    } else {
        // Nothing to animate behind the ordinary view.
        timerNostalgia->stop();
        pnlBigScreen->setCursorBlinking(false);
        lower();
    }
}

void NostalgiaView::placeOverClientArea()
{
    if (const QWidget *client = m_window.centralWidget())
        setGeometry(client->geometry());
}

void NostalgiaView::LoadNostalgia()
{
    m_prepared = true;
    NostalgiaFonts::loadSkinFonts(m_session.state().SkinsFolder);
    m_scene.LoadNostalgiaFile(QString(), QString());
    // Behind the ordinary view there is nothing to draw, and decoding the scene would only slow
    // the start; switching the mode on prepares the view again.
    if (!m_session.state().NostalgiaMode)
        return;
    placeOverClientArea();
    imgNostalgiaBG->move(0, 0);
    raise();
    showList();
    LoadNostalgiaImages();
    loadScenePictures();
    timerNostalgia->setInterval(m_scene.transitionInterval());
    {
        const QSignalBlocker blocker(lbNostalgiaMain);
        lbNostalgiaMain->setCurrentRow(m_session.selectedIndex());
    }
    lbNostalgiaMainClick();
    loadScreenPictures();
    lbNostalgiaMain->setFocus();
    pnlBigScreen->setCursorBlinking(true);
    pnlBigScreen->placeCloseMark();
}

void NostalgiaView::showList()
{
    if (!m_listStale)
        return;
    m_listStale = false;
    const QSignalBlocker blocker(lbNostalgiaMain);
    lbNostalgiaMain->clear();
    lbNostalgiaMain->addItems(m_session.listEntries());
    lbNostalgiaMain->setCurrentRow(m_session.selectedIndex());
}

void NostalgiaView::followSelection()
{
    // Hidden, the view waits for LoadNostalgia, which catches up when the mode is switched on.
    if (!m_session.state().NostalgiaMode || !m_prepared)
        return;
    showList();
    if (lbNostalgiaMain->currentRow() != m_session.selectedIndex()) {
        const QSignalBlocker blocker(lbNostalgiaMain);
        lbNostalgiaMain->setCurrentRow(m_session.selectedIndex());
    }
    lbNostalgiaMainClick();
}

void NostalgiaView::lbNostalgiaMainChange()
{
    // The session selects and the details follow; its signal brings the update here.
    const int index = lbNostalgiaMain->currentRow();
    if (index != m_session.selectedIndex())
        m_session.select(index);
    else
        lbNostalgiaMainClick();
}

void NostalgiaView::loadScenePictures()
{
    imgNostalgiaComp->setImage(m_scene.skinPicture(m_scene.skin().computerImage));
    imgNostalgiaBG->setImage(m_scene.skinPicture(m_scene.skin().backgroundImage));
    showManualPicture(imgNostalgiaManual->underMouse());
}

void NostalgiaView::loadScreenPictures()
{
    pnlBigScreen->setPicture(m_scene.skinPicture(m_scene.skin().bigScreenImage));
    imgNostalgiaOpenBox->setImage(m_scene.skinPicture(m_scene.skin().openBoxImage));
}

void NostalgiaView::showManualPicture(bool highlighted)
{
    imgNostalgiaManual->setImage(m_scene.skinPicture(m_scene.manualPicture(highlighted)));
}

void NostalgiaView::lbNostalgiaMainClick()
{
    static const DetailsContent nothing;
    const bool selected = m_session.selectedIndex() >= 0;
    const DetailsContent &details = selected ? m_session.details() : nothing;

    m_scene.chooseSkinFor(details);
    m_labels->showPlatforms(m_scene);
    // The layout reads the new file's values, which name the pictures.
    LoadNostalgiaImages();
    loadScenePictures();
    timerNostalgia->setInterval(m_scene.transitionInterval());
    loadScreenPictures();
    timerNostalgia->stop();

    lblDiskLabel->setText(details.name);

    m_scene.showGame(selected ? &details : nullptr, &PictureLabel::load);
    imgNostalgiaFront->setImage(m_scene.picture(DetailsContent::Front));
    imgNostalgiaBack->setImage(m_scene.picture(DetailsContent::Back));
    imgNostalgiaScreen->setImage(m_scene.picture(DetailsContent::Screen));
    imgNostalgiaTitle->setImage(m_scene.picture(DetailsContent::Title));
    showScene();

    imgNostalgiaDisk->setImage(m_scene.picture(DetailsContent::Media));
    lblDiskLabel->setVisible(m_scene.diskLabelShown());
    imgNostalgiaDisk->show();
    imgNostalgiaManual->setVisible(m_scene.manualShown());

    m_labels->showExtras(details);

    pnlBigScreen->showFacts(details);
    pnlBigScreen->placeCloseMark();
    timerNostalgia->start();
}

void NostalgiaView::showScene()
{
    imgNostalgiaFront->setVisible(m_scene.frontShown());
    imgNostalgiaBack->setVisible(m_scene.backShown());
    // The title lies in front of the screen by the order the pictures were made in; raising it
    // would put it over the big screen too.
    imgNostalgiaScreen->setVisible(m_scene.screenShown());
    imgNostalgiaTitle->setVisible(m_scene.titleShown());
}

void NostalgiaView::flipBox()
{
    m_scene.flipBox();
    showScene();
}

void NostalgiaView::applyFonts()
{
    QFont list = lbNostalgiaMain->font();
    const NostalgiaSkinValues &skin = m_scene.skin();
    list.setFamily(NostalgiaFonts::familyOrDos(skin.listFont));
    list.setPointSize(qMax(1, skin.listFontSize));
    lbNostalgiaMain->setFont(list);

    QFont disk = lblDiskLabel->font();
    disk.setPointSize(qMax(1, skin.diskFontSize));
    lblDiskLabel->setFont(disk);
    pnlBigScreen->setDosFont(NostalgiaFonts::dosFont());
}

void NostalgiaView::LoadNostalgiaImages()
{
    const NostalgiaSkinValues &skin = m_scene.readSkin(m_window.frameGeometry().width());
    imgNostalgiaBG->setGeometry(rect());
    imgNostalgiaOpenBox->setGeometry(skin.openBox);
    imgNostalgiaComp->setGeometry(skin.computer);
    imgNostalgiaScreen->setGeometry(skin.screen);
    imgNostalgiaTitle->setGeometry(skin.title);
    imgNostalgiaManual->setGeometry(skin.manual);
    imgNostalgiaFront->setGeometry(skin.front);
    imgNostalgiaBack->setGeometry(skin.back);

    applyFonts();
    lbNostalgiaMain->setGeometry(NostalgiaLayout::list(width(), height(), skin.listWidth));
    m_labels->placeExtras(skin.extrasLeft, skin.extrasTop, skin.extrasFont, skin.extrasFontSize);
    m_labels->placePlatforms(NostalgiaLayout::platformRowAt(height()));

    const QRect disk = NostalgiaLayout::disk(imgNostalgiaComp->geometry());
    imgNostalgiaDisk->setGeometry(disk);
    lblDiskLabel->setGeometry(NostalgiaLayout::diskLabel(
        disk, qMax(1, lblDiskLabel->heightForWidth(NostalgiaLayout::diskLabelWidth(disk)))));

    pnlBigScreen->centreOn(imgNostalgiaComp->geometry());
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
        if ((type == QEvent::Resize || type == QEvent::Move) && m_session.state().NostalgiaMode) {
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
            flipBox();
            return true;
        }
    } else if (watched == imgNostalgiaManual && (type == QEvent::Enter || type == QEvent::Leave)) {
        showManualPicture(type == QEvent::Enter);
    }
    return QWidget::eventFilter(watched, event);
}
