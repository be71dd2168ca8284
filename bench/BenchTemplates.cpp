#include "BenchTemplates.h"

#include "controls/ControlUI.h"
#include "document/DesignerDoc.h"
#include "elements/ElementFactory.h"
#include "elements/ElementKind.h"
#include "elements/FormUI.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <set>

namespace bench {

using namespace MarkupUI;

namespace {

constexpr int kPictureCount = 8;

// A small linear congruential generator: the same sequence on every machine
// and library version, so the templates never change between runs.
class Sequence
{
public:
    int Next(int below)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((m_state >> 33) % static_cast<std::uint64_t>(below));
    }

private:
    std::uint64_t m_state = 2024;
};

bool WritePictures(const QString& dir)
{
    for (int i = 0; i < kPictureCount; ++i) {
        QImage image(48 + i * 4, 32 + i * 2, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 45, 180, 140 + i * 10));
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        if (!image.save(QStringLiteral("%1/logo%2.png").arg(dir).arg(i), "PNG")) {
            return false;
        }
    }
    return true;
}

QString FontOf(Sequence& random)
{
    static const char* const names[] = {"Arial", "Times New Roman", "\xe5\xae\x8b\xe4\xbd\x93"};
    return QStringLiteral("name='%1' height='%2' bold='%3'")
        .arg(QString::fromUtf8(names[random.Next(3)]))
        .arg(12 + random.Next(28))
        .arg(random.Next(4) == 0 ? QStringLiteral("true") : QStringLiteral("false"));
}

void AddElement(CFormUI& form, int kind, Sequence& random, int index)
{
    const int w = 40 + random.Next(200);
    const int h = 16 + random.Next(60);
    const int x = random.Next(640 - w);
    const int y = random.Next(800 - h);
    ControlPtr element = CreateElement(kind, platform::Rect{x, y, x + w, y + h});
    switch (kind) {
    case kElementText:
        element->SetAttribute(QStringLiteral("text"), QStringLiteral("Window %1 please").arg(index));
        element->SetAttribute(QStringLiteral("font"), FontOf(random));
        break;
    case kElementPicture:
        element->SetAttribute(QStringLiteral("bkimage"),
                              QStringLiteral("logo%1.png").arg(random.Next(kPictureCount)));
        break;
    // Fixed samples instead of the random numbers and the clock, so the
    // same count always draws the same page.
    case kElementQueuingNum:
        element->SetAttribute(QStringLiteral("queuingnum"), QStringLiteral("213"));
        element->SetAttribute(QStringLiteral("font"), FontOf(random));
        break;
    case kElementWaitingCount:
        element->SetAttribute(QStringLiteral("waitingcount"), QStringLiteral("40"));
        element->SetAttribute(QStringLiteral("font"), FontOf(random));
        break;
    case kElementCurrentNum:
        element->SetAttribute(QStringLiteral("currentnum"), QStringLiteral("173"));
        element->SetAttribute(QStringLiteral("font"), FontOf(random));
        break;
    case kElementTime:
        element->SetAttribute(QStringLiteral("text"), QStringLiteral("2026-01-02 03:04:05"));
        element->SetAttribute(QStringLiteral("font"), FontOf(random));
        break;
    default:
        element->SetAttribute(QStringLiteral("bordersize"), QString::number(1 + random.Next(3)));
        break;
    }
    form.Add(element.get());
}

} // namespace

void FillTemplate(document::CDesignerDoc& doc, int count, const QString& picturesDir)
{
    doc.OnNewDocument();
    CFormUI& form = *doc.GetForm();
    form.SetAttribute(QStringLiteral("model"), QStringLiteral("80"));
    form.SetAttribute(QStringLiteral("printpadding"), QStringLiteral("16,8,16,8"));
    if (WritePictures(picturesDir)) {
        for (int i = 0; i < kPictureCount; ++i) {
            const QString name = QStringLiteral("logo%1.png").arg(i);
            doc.PutArchiveEntry(name, picturesDir + QLatin1Char('/') + name);
        }
    }
    Sequence random;
    static const int dynamicKinds[] = {kElementQueuingNum, kElementWaitingCount, kElementCurrentNum,
                                       kElementTime};
    static const int staticKinds[] = {
        kElementText,           kElementText,         kElementText,      kElementText,   kElementText,
        kElementHorizontalLine, kElementVerticalLine, kElementRectangle, kElementCircle, kElementPicture};
    for (int i = 0; i < count; ++i) {
        const int kind = i < 4 ? dynamicKinds[i] : staticKinds[random.Next(std::size(staticKinds))];
        AddElement(form, kind, random, i);
    }
}

QString TemplatePath(int count, const QString& dir)
{
    static std::set<QString> written;
    const QString path = QStringLiteral("%1/bench-%2.vt").arg(dir).arg(count);
    if (written.count(path) != 0 && QFile::exists(path)) {
        return path;
    }
    const QString pictures = QStringLiteral("%1/pictures-%2").arg(dir).arg(count);
    QDir().mkpath(pictures);
    document::CDesignerDoc doc;
    FillTemplate(doc, count, pictures);
    if (!doc.OnSaveDocument(path)) {
        return QString();
    }
    written.insert(path);
    return path;
}

QString WorkDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ticket-bench-XXXXXX"));
    return dir.path();
}

} // namespace bench
