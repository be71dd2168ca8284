#pragma once

#include "controls/ControlEvent.h"
#include "controls/ImageCache.h"
#include "platform/FontDescription.h"
#include "platform/Geometry.h"
#include "platform/TextMeasure.h"

#include <QFont>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace MarkupUI {

class CControlUI;
class ResourceArchive;

// A font of the template's font table.
struct TFontInfo
{
    QString faceName;
    int size = 12; // pixels
    bool bold = false;
    bool underline = false;
    bool italic = false;

    QFont ToQFont() const;
    // As a font description: character height, weight 700 or "don't care",
    // the default character set.
    platform::FontDescription ToDescription() const;
    friend bool operator==(const TFontInfo& a, const TFontInfo& b)
    {
        return a.faceName == b.faceName && a.size == b.size && a.bold == b.bold &&
               a.underline == b.underline && a.italic == b.italic;
    }
};

// What the design view installs to hear about the painted surface.
class PaintSurfaceObserver
{
public:
    virtual ~PaintSurfaceObserver() = default;
    virtual void SurfaceResized(platform::Size size) = 0;
    virtual void SurfaceInvalidated(const platform::Rect& rect) = 0;
};

// One per open document, shared with the design view: the surface size,
// repaint requests, the font table, default attribute lists, and the
// focus. The resource archive is process-wide.
class CPaintManagerUI
{
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    void SetSurfaceObserver(PaintSurfaceObserver* observer) { m_observer = observer; }

    void SetInitSize(int width, int height);
    platform::Size GetInitSize() const { return m_initSize; }
    void Invalidate(const platform::Rect& rect);
    // Set by layout requests; the view runs a layout pass and clears it.
    void NeedUpdate() { m_updateNeeded = true; }
    bool IsUpdateNeeded() const { return m_updateNeeded; }
    void ClearUpdateNeeded() { m_updateNeeded = false; }
    // Set when a control names a virtual window; the name table is rebuilt.
    void UsedVirtualWnd(bool used) { m_usedVirtualWnd = used; }
    bool IsVirtualWndUsed() const { return m_usedVirtualWnd; }

    // Fonts: the default one and the template's own table.
    const TFontInfo& GetDefaultFontInfo() const { return m_defaultFont; }
    platform::FontDescription GetDefaultFontDescription() const { return m_defaultFont.ToDescription(); }
    // The context text is measured with, once a design view (or a tool
    // acting as one) has set up its surface. A manager that only loads a
    // template has none, so loading never refits fonts read from the file.
    const platform::TextMeasure* GetPaintDC() const { return m_hasSurface ? &m_paintDC : nullptr; }
    void SetSurfaceReady(bool ready) { m_hasSurface = ready; }
    void SetDefaultFont(const QString& face, int size, bool bold, bool underline, bool italic);
    int GetCustomFontCount() const { return static_cast<int>(m_fonts.size()); }
    // The font at index, or the default font for an index outside the table.
    const TFontInfo& GetFont(int index) const;
    // Appends a font and answers its index.
    int AddFont(const QString& face, int size, bool bold, bool underline, bool italic);
    void RemoveAllFonts() { m_fonts.clear(); }

    // A decoded image of the resource archive, kept until the archive
    // changes; null when it is missing or cannot be decoded.
    std::shared_ptr<const QImage> GetImage(const QString& name, std::optional<uint32_t> mask = std::nullopt)
    {
        return m_images.Get(name, mask);
    }
    bool IsOpaqueImage(const QString& name, std::optional<uint32_t> mask = std::nullopt)
    {
        return m_images.IsOpaque(name, mask);
    }
    // An image stretched by area averaging, cached with the images.
    QImage GetStretchedImage(const std::shared_ptr<const QImage>& image, const platform::Rect& source,
                             platform::Size size, const platform::Rect& part)
    {
        return m_images.Stretched(image, source, size, part);
    }

    // Default attribute lists by class name ("TextEdit" ...).
    void AddDefaultAttributeList(const QString& className, const QString& list);
    QString GetDefaultAttributeList(const QString& className) const;
    const std::map<QString, QString>& GetDefaultAttributeLists() const { return m_defaultAttributes; }
    void RemoveAllDefaultAttributeLists() { m_defaultAttributes.clear(); }

    // Attaches a control (and, for containers, its children) to this manager.
    void InitControls(CControlUI* control, CControlUI* parent = nullptr);
    // Forgets a control that is being destroyed or detached.
    void ReapObjects(CControlUI* control);
    void AttachDialog(CControlUI* root);
    CControlUI* GetRoot() const { return m_root; }

    CControlUI* GetFocus() const { return m_focus; }
    void SetFocus(CControlUI* control);

    // Notifications raised by controls ("timer", "menu").
    struct Notification
    {
        CControlUI* sender = nullptr;
        QString type;
    };
    using NotifyListener = std::function<void(const Notification&)>;
    void AddNotifier(NotifyListener listener) { m_notifiers.push_back(std::move(listener)); }
    void SendNotify(CControlUI* sender, const QString& type);

    // The process-wide archive markup and images are read from: either a
    // file path (kept open or not) or an archive already open in memory,
    // which is named "membuffer".
    static void SetResourceZip(const QString& path, bool keepOpen);
    static void SetResourceZip(std::shared_ptr<const ResourceArchive> archive, const QString& name);
    static std::shared_ptr<const ResourceArchive> GetResourceZip();
    static QString GetResourceZipName();
    static bool IsResourceZipKeptOpen();

private:
    PaintSurfaceObserver* m_observer = nullptr;
    platform::Size m_initSize;
    bool m_updateNeeded = false;
    bool m_usedVirtualWnd = false;
    TFontInfo m_defaultFont;
    platform::TextMeasure m_paintDC;
    bool m_hasSurface = false;
    std::vector<TFontInfo> m_fonts;
    std::map<QString, QString> m_defaultAttributes;
    CControlUI* m_root = nullptr;
    CControlUI* m_focus = nullptr;
    std::vector<NotifyListener> m_notifiers;
    ImageCache m_images;
};

} // namespace MarkupUI
