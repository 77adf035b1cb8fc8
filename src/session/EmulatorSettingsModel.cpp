#include "session/EmulatorSettingsModel.h"

#include "session/LaunchModel.h"

#include <QFileInfo>


EmulatorSettingsModel::EmulatorSettingsModel(LaunchModel &launch) : m_launch(launch) {}

const EmulatorRegistry &EmulatorSettingsModel::registry() const
{
    return m_launch.registry();
}

QStringList EmulatorSettingsModel::loadAtStartup()
{
    const QStringList entries = chooseGroup(QStringLiteral("PC"));
    m_shown = registry().detailsForSelection(registry().builtIn(EmulatorRegistry::DOSBox).Name);
    m_paramsShown = false;
    return entries;
}

QStringList EmulatorSettingsModel::chooseGroup(const QString &group)
{
    m_group = group;
    return m_launch.listEmulatorGroup(group);
}

void EmulatorSettingsModel::showFirstEntry(const QString &listText)
{
    m_shown = m_launch.emulatorDetailsAfterListing(listText);
    m_paramsShown = !m_shown.Params.isEmpty();
}

void EmulatorSettingsModel::listTextChanged(const QString &text)
{
    const EmulatorDetails details = registry().detailsForSelection(text);
    m_paramsShown = details.kind == EmulatorDetails::Kind::Custom;
    if (details.kind != EmulatorDetails::Kind::None)
        m_shown = details;
}

bool EmulatorSettingsModel::configOpensDOSBox(const QString &listText) const
{
    return listText == registry().builtIn(EmulatorRegistry::DOSBox).Name;
}

QString EmulatorSettingsModel::browseFolder(const QString &typedPath) const
{
    const QString current = registry().programPath(typedPath);
    return current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
}

Result<void> EmulatorSettingsModel::beginAdd()
{
    const EmulatorEditForm form = m_launch.beginAddEmulator(m_group);
    if (form.target == EmulatorEditForm::Target::Nothing)
        return Failure(Failure::Kind::EmulatorSlotsFull)
            .with(Failure::Fact::Slots, EmulatorRegistry::CustomSlotCount);
    m_form = form;
    return {};
}

bool EmulatorSettingsModel::beginEdit()
{
    // An empty group shows no emulator, and there is nobody's keys to edit.
    m_form = registry().beginEdit(m_shown, m_group);
    return m_form.target != EmulatorEditForm::Target::Nothing;
}

EmulatorSettingsModel::SaveOutcome EmulatorSettingsModel::save(const QString &name, const QString &nick,
                                                               const QString &path, const QString &params,
                                                               const QString &group)
{
    if (m_form.target == EmulatorEditForm::Target::Nothing)
        return SaveOutcome::Closed;
    EmulatorEditForm form = m_form;
    form.Name = name;
    form.Nick = nick;
    form.Path = path;
    form.Params = params;
    form.Group = group;
    // A write that failed has been told, as every one of the settings file.
    if (!m_launch.saveEmulator(form))
        return SaveOutcome::Failed;
    return SaveOutcome::Saved;
}

QString EmulatorSettingsModel::restartText()
{
    return QStringLiteral("Please close and restart PALLOX to see changes");
}
