#pragma once

#include <QString>

class QWidget;

namespace app {

// The questions and warnings the frame puts to the user, behind one seam so
// the file commands can be driven without modal dialogs.
class FramePrompts
{
public:
    enum class SaveChoice
    {
        Save,
        Discard,
        Cancel
    };

    virtual ~FramePrompts() = default;
    virtual SaveChoice AskToSave(QWidget* parent, const QString& documentName) = 0;
    // An existing template to open; empty when the user cancels.
    virtual QString ChooseOpenPath(QWidget* parent, const QString& folder) = 0;
    // Where to save; empty when the user cancels.
    virtual QString ChooseSavePath(QWidget* parent, const QString& suggested) = 0;
    virtual void Warn(QWidget* parent, const QString& text) = 0;
    // The template about to be uploaded has errors: true sends it anyway.
    virtual bool AskToUploadWithErrors(QWidget* parent, int errorCount) = 0;
};

// The real dialogs.
class DialogPrompts : public FramePrompts
{
public:
    SaveChoice AskToSave(QWidget* parent, const QString& documentName) override;
    QString ChooseOpenPath(QWidget* parent, const QString& folder) override;
    QString ChooseSavePath(QWidget* parent, const QString& suggested) override;
    void Warn(QWidget* parent, const QString& text) override;
    bool AskToUploadWithErrors(QWidget* parent, int errorCount) override;
};

// "Design template (*.vt)" in the user-interface language.
QString TemplateFileFilter();

} // namespace app
