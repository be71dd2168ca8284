#pragma once

#include "controls/ControlUI.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace MarkupUI {
class CPaintManagerUI;
}

namespace document {

// The clipboard format the designer copies elements under.
inline constexpr char kClipboardFormat[] = "Designer Clipboard Data Format";

// A clipboard is input from anywhere: longer payloads are refused unread.
inline constexpr qsizetype kMaxClipboardBytes = qsizetype(16) << 20;
// Pasted elements must start within this many page pixels of the page's
// corner and be no larger. A ticket page is a few thousand pixels at most;
// anything beyond this is damage or an attack, and near the 32-bit limits
// the layout arithmetic would saturate.
inline constexpr int32_t kMaxFragmentCoordinate = 32767;
// One paste adds at most this many elements; more would stall the designer.
inline constexpr int kMaxFragmentElements = 10000;

// The payload of a copy: an XML declaration without attributes, the root
// "UICopy" holding one "Form" with each element written as a template
// stores it, then one zero byte. Forms are never written, whatever the
// list holds. Image paths inside directory are written relative to it.
QByteArray WriteClipboardFragment(const std::vector<MarkupUI::CControlUI*>& elements,
                                  const QString& directory);

// What a clipboard payload holds that may be pasted.
struct FragmentContents
{
    enum class Refusal
    {
        None,
        // A block longer than kMaxClipboardBytes, or markup longer than
        // a template's markup may be.
        TooLarge,
        // Not markup, or no form at the top.
        Unreadable,
    };
    Refusal refusal = Refusal::None;
    // The sound elements in fragment order, belonging to no parent yet.
    std::vector<MarkupUI::ControlPtr> elements;
    // Left out: tags of no design element kind (including forms).
    int unknownKinds = 0;
    // Left out: not freely placed, or positions or sizes beyond kMaxFragmentCoordinate.
    int badGeometry = 0;
    // Left out: sound elements past kMaxFragmentElements.
    int overLimit = 0;

    int LeftOut() const { return unknownKinds + badGeometry + overLimit; }
};

// Reads a payload up to its first zero byte with the template reader. The
// template's default attribute lists (from documentManager, if any) apply
// as they do when the template is opened; fonts and lists the payload
// carries change nothing outside this call.
FragmentContents ReadClipboardFragment(QByteArrayView payload,
                                       const MarkupUI::CPaintManagerUI* documentManager);

} // namespace document
