#include "wizard/EntryFiles.h"

#include "platform/Dialogs.h"
#include "wizard/EntryLoader.h"
#include "wizard/EntryWriter.h"

#include <QDir>

#include <utility>

namespace {

const QString &iniFilter()
{
    static const QString filter = QStringLiteral("Ini Files (*.ini)|*.INI");
    return filter;
}

} // namespace

EntryFiles::EntryFiles(Dialogs &dialogs) : m_dialogs(dialogs) {}

void EntryFiles::createDefaultFolders(const QString &gameFolder, const QString &iniName,
                                      const QStringList &fieldKeys)
{
    if (const Result<void> allowed = EntryWriter::canCreateDefaultFolders(gameFolder, iniName); !allowed) {
        m_dialogs.message(allowed.error().message());
        return;
    }
    EntryWriter::createMetadataFolders(gameFolder);
    const QString iniFile = EntryWriter::blankIniFile(gameFolder, iniName);
    const QString question = EntryWriter::blankIniQuestion(iniFile, fieldKeys);
    if (!question.isEmpty() && !m_dialogs.confirm(question)) {
        m_folders.gameFoldersMade(iniFile, false);
        return;
    }
    const Result<void> written = EntryWriter::writeBlankIni(iniFile, fieldKeys);
    if (!written)
        m_dialogs.message(written.error().message());
    m_folders.gameFoldersMade(iniFile, written && !fieldKeys.isEmpty());
}

std::optional<QString> EntryFiles::chooseIniFile(const QString &metadataFolder)
{
    const QString chosen = m_dialogs.saveFile(QStringLiteral("Save Game ini File"), iniFilter(),
                                              m_folders.proposedIniFile(metadataFolder), m_folders.blankIniFile());
    if (chosen.isEmpty())
        return std::nullopt;
    m_folders.iniFileChosen(chosen);
    return chosen;
}

std::optional<GameEntry> EntryFiles::loadIni(const QString &aboutText)
{
    const QString file =
        m_dialogs.openFile(QStringLiteral("Load Game ini File"), iniFilter(), m_folders.loadFolder());
    if (file.isEmpty())
        return std::nullopt;
    Result<GameEntry> loaded = EntryLoader::fromIniFile(file);
    if (!loaded) {
        m_dialogs.message(loaded.error().message());
        return std::nullopt;
    }
    loaded->aboutText = aboutText;
    return std::move(*loaded);
}

void EntryFiles::createAbout(const QString &aboutName, const QString &text)
{
    if (const Result<void> allowed = EntryWriter::canWriteAbout(aboutName, text); !allowed) {
        m_dialogs.message(allowed.error().message());
        return;
    }
    const QString file =
        m_dialogs.saveFile(QStringLiteral("Save About File"), QString(), m_folders.proposedAboutFile(aboutName), QString());
    if (file.isEmpty())
        return;
    m_folders.aboutFileChosen(file);
    if (const Result<void> written = EntryWriter::writeAboutFile(file, text); !written)
        m_dialogs.message(written.error().message());
}

std::optional<QString> EntryFiles::chooseEmulator()
{
    const QString program =
        m_dialogs.openFile(QStringLiteral("Custom Emu Path"), QStringLiteral("Exe Files (*.exe)|*.EXE"), QString());
    if (program.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(program);
}
