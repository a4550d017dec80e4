#include "mainwindow/MainWindowRules.h"

#include <QSettings>
#include <algorithm>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

const char* const kLeft = "MainLeft";
const char* const kTop = "MainTop";
const char* const kWidth = "MainWidth";
const char* const kHeight = "MainHeight";

int readNumber(QSettings& store, const char* key, int def, bool positive) {
    bool ok = false;
    const int v = store.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    if (!ok || (positive && v <= 0)) return def;
    return v;
}

}  // namespace

WindowGeometryTw LoadWindowGeometry(QSettings& store) {
    const WindowGeometryTw def;
    store.beginGroup(GeometryGroup);
    WindowGeometryTw g;
    g.left = readNumber(store, kLeft, def.left, false);
    g.top = readNumber(store, kTop, def.top, false);
    g.width = readNumber(store, kWidth, def.width, true);
    g.height = readNumber(store, kHeight, def.height, true);
    store.endGroup();
    return g;
}

bool HasStoredWindowSize(QSettings& store) {
    store.beginGroup(GeometryGroup);
    const bool stored = readNumber(store, kWidth, 0, true) > 0 && readNumber(store, kHeight, 0, true) > 0;
    store.endGroup();
    return stored;
}

QRect FirstStartGeometry(std::span<const QSize> editorFrames, QSize around, QRect fallback, QRect screen) {
    QSize editor(0, 0);
    for (const QSize& s : editorFrames) editor = editor.expandedTo(s);
    return FitToScreen(QRect(fallback.topLeft(), (editor + around).expandedTo(fallback.size())), screen);
}

QRect FitToScreen(QRect window, QRect screen) {
    if (!screen.isValid()) return window;
    QRect r(window.topLeft(), window.size().boundedTo(screen.size()));
    // Pushed back onto the screen only as far as its size needs.
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() + 1 - r.height()));
    return r;
}

void SaveWindowGeometry(QSettings& store, const WindowGeometryTw& g) {
    store.beginGroup(GeometryGroup);
    store.setValue(QLatin1String(kLeft), QString::number(g.left));
    store.setValue(QLatin1String(kTop), QString::number(g.top));
    store.setValue(QLatin1String(kWidth), QString::number(g.width));
    store.setValue(QLatin1String(kHeight), QString::number(g.height));
    store.endGroup();
    store.sync();
}

std::optional<PaneHeightsTw> ResizePaneHeights(int innerHeightTw) {
    if (innerHeightTw <= 1000) return std::nullopt;
    return PaneHeightsTw{innerHeightTw - 100, innerHeightTw - 700, innerHeightTw};
}

std::optional<int> SplitterPaneWidth(int paneWidthTw, int xTw, int innerWidthTw) {
    const int w = paneWidthTw + xTw;
    if (w < MinPaneWidthTw || w > innerWidthTw) return std::nullopt;
    return w;
}

QRect BackgroundTileRect(QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0) return {};
    const bool wide = picture.width() >= 3;
    const bool high = picture.height() >= 3;
    return QRect(wide ? 1 : 0, high ? 1 : 0, wide ? picture.width() - 2 : picture.width(),
                 high ? picture.height() - 2 : picture.height());
}

QString BackgroundPicturePath(const QString& programDir, int language) {
    return programDir + QStringLiteral("/PIC/BK_") + QString::number(language) + QStringLiteral(".jpg");
}

QString StatusPortText(int port) { return Tr(CapCOM) + QString::number(port); }

QString StatusBandText() { return QStringLiteral("Ulbrix[") + App.BandRangeText + QStringLiteral("]"); }

bool AskSaveChanges(const SaveQuestionActions& a) {
    if (!a.isModified || !a.isModified()) return true;
    const auto answer =
        platform::MsgBox(Tr(MsgSaveChanges), platform::MsgButtons::YesNoCancel, platform::MsgIcon::Exclamation);
    switch (answer) {
        case platform::MsgResult::No: return true;
        case platform::MsgResult::Yes:
            // A document without a file of its own is never written to "new.dat"
            // in whatever folder happens to be current; and a save that failed
            // keeps the changes and stops the command.
            if (a.untitled && a.untitled()) return a.saveAs && a.saveAs();
            return a.save && a.save();
        default: return false;
    }
}

}  // namespace ulbrix
