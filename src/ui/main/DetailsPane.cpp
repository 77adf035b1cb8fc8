#include "ui/main/DetailsPane.h"

#include "browse/DetailsContent.h"
#include "presentation/NoteLayout.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "session/Theme.h"
#include "ui/main/DetailsPanel.h"
#include "ui/main/ReloadGauge.h"
#include "ui/common/WidgetColors.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

DetailsPane::DetailsPane(LibrarySession &session, QWidget &page) : QObject(&page), m_session(session)
{
    setObjectName(QStringLiteral("DetailsPane"));
    memoAbout = new QPlainTextEdit(&page);
    memoAbout->setObjectName(QStringLiteral("memoAbout"));
    memoAbout->setReadOnly(true);
    // The last stop of Tab on the Main tab, where the arrow keys scroll a long note.
    memoAbout->setFocusPolicy(Qt::StrongFocus);
    m_details = new DetailsPanel(&page);
    lblGameCreatedDate = new QLabel(m_details);
    lblGameCreatedDate->setObjectName(QStringLiteral("lblGameCreatedDate"));
    lblGameModifiedDate = new QLabel(m_details);
    lblGameModifiedDate->setObjectName(QStringLiteral("lblGameModifiedDate"));
    pbReloading = new ReloadGauge(ReloadGauge::Kind::Pie, m_details);
    pbReloading->setObjectName(QStringLiteral("pbReloading"));
    pbReloading->hide();
    pbReloading2 = new ReloadGauge(ReloadGauge::Kind::VerticalBar, m_details);
    pbReloading2->setObjectName(QStringLiteral("pbReloading2"));
    pbReloading2->hide();
    connect(&m_session.browse(), &BrowseModel::selectionChanged, this, &DetailsPane::fill);
    // A picture that arrives may widen the front or share the media row with the advert.
    connect(m_details, &DetailsPanel::picturesChanged, this, &DetailsPane::filled);
}

void DetailsPane::applyAppearance(const Theme &theme)
{
    m_details->applyAppearance(theme);
    memoAbout->setFont(theme.note.font);
    WidgetColors::setContentColors(memoAbout, WidgetColors::themed(theme.note.color, memoAbout, QPalette::Text),
                                   WidgetColors::themed(theme.noteBackground, memoAbout, QPalette::Base));
    WidgetColors::setTextColor(lblGameCreatedDate, theme.detailsText);
    WidgetColors::setTextColor(lblGameModifiedDate, theme.detailsText);
    m_details->LoadDetailColors(theme);
}

QList<QWidget *> DetailsPane::tabChain() const
{
    return m_details->tabChain() << memoAbout;
}

void DetailsPane::showDates(bool shown)
{
    lblGameCreatedDate->setVisible(shown);
    lblGameModifiedDate->setVisible(shown);
}

void DetailsPane::showSimple(bool simple)
{
    m_details->showNoDetails(simple);
}

void DetailsPane::fill()
{
    memoAbout->clear();
    if (m_session.browse().selectedIndex() < 0)
        return;
    const DetailsContent &content = m_session.browse().details();
    m_details->fill(content);
    lblGameCreatedDate->setText(content.createdText);
    lblGameCreatedDate->adjustSize();
    lblGameModifiedDate->setText(content.modifiedText);
    lblGameModifiedDate->adjustSize();
    memoAbout->setPlainText(m_session.browse().noteLines().join(QLatin1Char('\n')));
    applyNoteScrollBarRule();
    emit filled();
}

void DetailsPane::applyNoteScrollBarRule()
{
    // The memo itself lays out only what is on screen, so it cannot be asked.
    const bool needed = NoteLayout::needsScrollBar(memoAbout->toPlainText(), memoAbout->font(), memoAbout->width(),
                                                   memoAbout->frameWidth(), memoAbout->document()->documentMargin());
    memoAbout->setVerticalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void DetailsPane::describe(MainLayout::Input &input) const
{
    m_details->describe(input);
}

void DetailsPane::place(const MainLayout::Result &result)
{
    m_details->applyLayout(result);
    if (memoAbout->geometry() != result.memo) {
        memoAbout->setGeometry(result.memo);
        applyNoteScrollBarRule();
    }
    lblGameCreatedDate->move(result.createdDate);
    lblGameModifiedDate->move(MainLayout::modifiedDateLeft(lblGameCreatedDate->geometry()), result.createdDate.y());
    lblGameCreatedDate->raise();
    lblGameModifiedDate->raise();

    const QRect name = m_details->nameBannerRect(m_details);
    const MainLayout::ReloadGauges gauges = MainLayout::reloadGauges(name, pbReloading2->width());
    pbReloading2->move(gauges.bar);
    pbReloading->move(gauges.pie);
}
