#pragma once

#include "check/TemplateCheck.h"

#include <vector>

namespace editor {

// Where the design view hands what the template check found: the window
// lists the findings and puts the question before a faulty upload.
class CheckSink
{
public:
    virtual ~CheckSink() = default;

    virtual void ShowFindings(const std::vector<check::Finding>& findings) = 0;
    // Asked before a template with errors goes to the printer; true sends
    // it all the same.
    virtual bool ConfirmUploadWithErrors(int errorCount) = 0;
};

} // namespace editor
