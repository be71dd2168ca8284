#pragma once

#include "elements/DesignLabelUI.h"

namespace MarkupUI {

// The ticket number the printer fills in; shows the queuing sample,
// zero-padded to the number length.
class CQueuingNumUI : public CDesignLabelUI
{
public:
    CQueuingNumUI();

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void SetAttribute(const QString& name, const QString& value) override;
    void SetNumLength(int32_t length) override;
    // The printer prints the number itself: not part of the page image.
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    // Makes value the queuing sample and shows it.
    void SetSample(int32_t value);
};

// The number of customers waiting; shows the waiting sample padded with
// blanks, two digits by default.
class CWaitingCountUI : public CDesignLabelUI
{
public:
    CWaitingCountUI();

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void SetAttribute(const QString& name, const QString& value) override;
    void SetNumLength(int32_t length) override;
    // The printer prints the number itself: not part of the page image.
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    void SetSample(int32_t value);
};

// The number now being served; shows the current sample, zero-padded.
class CCurrentNumUI : public CDesignLabelUI
{
public:
    CCurrentNumUI();

    int GetElementKind() const override;
    QString GetClass() const override;
    void* GetInterface(const QString& name) override;
    void SetAttribute(const QString& name, const QString& value) override;
    void SetNumLength(int32_t length) override;
    // The printer prints the number itself: not part of the page image.
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    void SetSample(int32_t value);
};

} // namespace MarkupUI
