#pragma once

#include "app/DeviceState.h"
#include "app/FramePrompts.h"
#include "app/MainFrame.h"
#include "document/DesignerDoc.h"

#include <QSettings>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

namespace app::test {

// Answers the frame's questions from a script and records its warnings.
class ScriptedPrompts : public FramePrompts
{
public:
    SaveChoice AskToSave(QWidget*, const QString& name) override
    {
        askedToSave << name;
        const SaveChoice choice = saveChoices.empty() ? SaveChoice::Cancel : saveChoices.front();
        if (!saveChoices.empty()) {
            saveChoices.pop_front();
        }
        return choice;
    }
    QString ChooseOpenPath(QWidget*, const QString&) override { return openPath; }
    QString ChooseSavePath(QWidget*, const QString& suggested) override
    {
        suggestedSavePaths << suggested;
        return savePath;
    }
    void Warn(QWidget*, const QString& text) override { warnings << text; }
    bool AskToUploadWithErrors(QWidget*, int errorCount) override
    {
        uploadQuestions << errorCount;
        return uploadDespiteErrors;
    }

    std::deque<SaveChoice> saveChoices;
    QStringList askedToSave;
    QStringList suggestedSavePaths;
    QStringList warnings;
    QList<int> uploadQuestions;
    bool uploadDespiteErrors = false;
    QString openPath;
    QString savePath;
};

class FakeDevice : public DeviceState
{
public:
    bool CanRunDeviceCommand() const override { return portOpen && transferIndex < 0; }
    int TransferIndex() const override { return transferIndex; }
    bool IsPrinterConnected() const override { return portOpen; }
    bool IsTransferRunning() const override { return transferIndex >= 0; }
    bool portOpen = false;
    int transferIndex = -1;
};

// A frame on a fresh document with scripted dialogs and no printer.
struct FrameFixture
{
    // keepSettings: start as the next session would, with what the last one stored.
    // sampleFolders: where File > Open Sample looks, instead of the installed samples.
    explicit FrameFixture(bool keepSettings = false, std::optional<QStringList> sampleFolders = std::nullopt)
    {
        if (!keepSettings) {
            QSettings().clear();
        }
        document.OnNewDocument();
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        CMainFrame::Options options;
        options.startPrinterLink = false;
        options.prompts = std::move(scripted);
        options.deviceState = &device;
        options.sampleFolders = std::move(sampleFolders);
        frame = std::make_unique<CMainFrame>(document, std::move(options));
    }

    document::CDesignerDoc document;
    FakeDevice device;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace app::test
