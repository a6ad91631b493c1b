#include "store/CStore.h"

#include "store/CProgramFolder.h"
#include "store/PlanFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kelvo {

namespace {

const QString LastPanelFileName = QStringLiteral("KelvoPanel.json");
const QString LastPlanFileName = QStringLiteral("KelvoPlan.json");
const QString SavedKindsFileName = QStringLiteral("KelvoKinds.json");
const QString PageOptionsFileName = QStringLiteral("KelvoPage.json");
const QString PrintedSheetsFileName = QStringLiteral("KelvoSheets.json");
const QString LockFileName = QStringLiteral("Kelvo.lock");
const char16_t* const UsedElsewhereText =
    u"另一个Kelvo正在使用同样的文件：这次对试卷、题型和页面设置的改动不会保存。";

// What the status line says of a file that could not serve.
template <class T>
CRestored<T> Restore(CKeptDocument& file,
                     std::optional<T> (*read)(const QString&, QString&, EReadFault&),
                     const char16_t* strNotRestored) {
    CRestored<T> restored;
    restored.content = file.Read(read, restored.strNote);
    if (!restored.strNote.isEmpty()) {
        restored.strNote.prepend(QString::fromUtf16(strNotRestored));
    }
    return restored;
}

} // namespace

CStore::CStore(const QString& strSettingsPath, QString strHistoryPath)
    : m_config(std::filesystem::path(strSettingsPath.toStdU16String())),
      m_lock(BesideSettings(LockFileName)), m_isUsedElsewhere(TakeLock()),
      m_lastPanelFile(BesideSettings(LastPanelFileName), m_isUsedElsewhere),
      m_lastPlanFile(BesideSettings(LastPlanFileName), m_isUsedElsewhere),
      m_pageOptionsFile(BesideSettings(PageOptionsFileName), m_isUsedElsewhere),
      m_printedSheetsFile(BesideSettings(PrintedSheetsFileName), m_isUsedElsewhere),
      m_history(std::move(strHistoryPath)) {}

QString CStore::DefaultSettingsPath() {
    return CProgramFolder().WritableFilePath(QStringLiteral("Kelvo.ini"),
                                             QStandardPaths::AppConfigLocation);
}

QString CStore::DefaultHistoryPath() {
    return CProgramFolder().WritableFilePath(QStringLiteral("KelvoHistory.sqlite"),
                                             QStandardPaths::AppDataLocation);
}

CKeptDocument CStore::KindsFile() const {
    return {BesideSettings(SavedKindsFileName), m_isUsedElsewhere};
}

QString CStore::UsedElsewhereNote() const {
    return m_isUsedElsewhere ? QString::fromUtf16(UsedElsewhereText) : QString();
}

bool CStore::LoadSettings() {
    const bool isLoaded = m_config.Load();
    QString strNote;
    auto panels = m_lastPanelFile.Read(&ReadPanelFile, strNote);
    if (!panels) {
        return isLoaded;
    }
    m_lastSectionCount = panels->sectionCount;
    CConfig withPanel = m_config;
    withPanel.SetQuestionData(std::make_shared<CQuestionData>(std::move(panels->kind)));
    if (isLoaded && withPanel.Bytes() == m_config.Bytes()) {
        m_config.SetQuestionData(withPanel.QuestionData());
    }
    return isLoaded;
}

CRestored<CSheetPlan> CStore::RestoreLastPlan() {
    return Restore<CSheetPlan>(m_lastPlanFile, &ReadPlanFile, u"上次的试卷没有恢复：");
}

// Options that cannot be read leave the defaults.
CRestored<CPageOptions> CStore::RestorePageOptions() {
    return Restore<CPageOptions>(m_pageOptionsFile, &ReadPageOptionsFile, u"页面设置没有恢复：");
}

QString CStore::KeepPageOptions(const CPageOptions& options) {
    QString strMessage = m_pageOptionsFile.Refusal();
    if (strMessage.isEmpty()) {
        WritePageOptionsFile(m_pageOptionsFile.Path(), options, strMessage);
    }
    return strMessage;
}

CRestored<std::vector<CPrintedSheet>> CStore::PrintedSheets() {
    return Restore<std::vector<CPrintedSheet>>(m_printedSheetsFile, &ReadPrintedSheetsFile,
                                               u"打印过的试卷列表没有恢复：");
}

QString CStore::KeepPrintedSheet(const CPrintedSheet& sheet) {
    std::vector<CPrintedSheet> sheets =
        PrintedSheets().content.value_or(std::vector<CPrintedSheet>{});
    QString strMessage = m_printedSheetsFile.Refusal();
    if (strMessage.isEmpty()) {
        sheets.insert(sheets.begin(), sheet);
        sheets.resize(std::min(sheets.size(), MaxPrintedSheets));
        WritePrintedSheetsFile(m_printedSheetsFile.Path(), sheets, strMessage);
    }
    return strMessage;
}

// Like the settings, the last plan is kept silently or not at all.
void CStore::KeepAtClose(const CSheetPlan& lastPlan, int32_t sectionCount) {
    m_config.Save();
    QString strMessage;
    if (m_lastPanelFile.Refusal().isEmpty() && m_config.QuestionData()) {
        WritePanelFile(m_lastPanelFile.Path(), {*m_config.QuestionData(), sectionCount},
                       strMessage);
    }
    if (m_lastPlanFile.Refusal().isEmpty()) {
        WritePlanFile(m_lastPlanFile.Path(), lastPlan, strMessage);
    }
    m_lock.unlock();
}

QString CStore::BesideSettings(const QString& strFileName) const {
    return QFileInfo(QString::fromStdU16String(m_config.Path().u16string()))
        .dir()
        .filePath(strFileName);
}

// Kelvo runs for hours: its lock never goes stale while it runs. A lock that
// cannot be made for another reason (a read-only folder) is no other Kelvo.
bool CStore::TakeLock() {
    m_lock.setStaleLockTime(0);
    return !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
}

} // namespace kelvo
