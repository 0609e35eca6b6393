// The clipboard bridge: our formats as MIME data and back, without echoing a change to the
// side it came from.
#include "platform/ui/qt/ClipboardBridge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/ui/Clipboard.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {
const QString kRtfMime = QStringLiteral("text/rtf");
}

ClipboardBridge::ClipboardBridge() {
    // An invisible window of ours, only there to hear about clipboard changes.
    CreateEx(0, u"ZnClipboardBridge", u"", WS_POPUP, {}, nullptr, 0);
    SetClipboardViewer(this);
    m_connection = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                    [this] { fromSystem(); });
    // What the system holds when we start is what a paste should give.
    fromSystem();
}

ClipboardBridge::~ClipboardBridge() {
    QObject::disconnect(m_connection);
    ChangeClipboardChain(this, nullptr);
    DestroyWindow();
}

LRESULT ClipboardBridge::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWCLIPBOARD) {
        toSystem();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void ClipboardBridge::toSystem() {
    if (m_copying)
        return;
    m_copying = true;
    auto* data = new QMimeData;
    if (auto text = GetClipboardData(CF_UNICODETEXT))
        data->setText(
            QString(reinterpret_cast<const QChar*>(text->data()), qsizetype(text->size() / 2)));
    if (auto rtf = GetClipboardData(ClipboardFormatRtf()))
        data->setData(kRtfMime, QByteArray(rtf->data(), qsizetype(rtf->size())));
    QGuiApplication::clipboard()->setMimeData(data);
    m_copying = false;
}

void ClipboardBridge::fromSystem() {
    if (m_copying)
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    m_copying = true;
    if (OpenClipboard(this)) {
        EmptyClipboard();
        if (data->hasText()) {
            const QString text = data->text();
            SetClipboardData(
                CF_UNICODETEXT,
                std::string(reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2));
        }
        for (const QString& mime : {kRtfMime, QStringLiteral("application/rtf")})
            if (data->hasFormat(mime)) {
                const QByteArray rtf = data->data(mime);
                SetClipboardData(ClipboardFormatRtf(),
                                 std::string(rtf.constData(), size_t(rtf.size())));
                break;
            }
        CloseClipboard();
    }
    m_copying = false;
}

} // namespace zn::ui::qt
