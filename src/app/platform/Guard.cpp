#include "platform/Guard.h"

#include "RunTimeError.h"
#include "platform/Win1250.h"

#include <QCoreApplication>

namespace {

void ShowErrorBox(Desktop& desktop, QWidget* owner, const QString& text) {
    desktop.ShowMessage(owner, QStringLiteral("ZEVO Contest"), text, Desktop::Icon::Error,
                        Desktop::Buttons::Ok);
}

} // namespace

void RunGuarded(Desktop& desktop, QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const zevo::RunTimeError& error) {
        // The run-time library's texts are single-byte, like every other text of the core.
        ShowErrorBox(desktop, owner, FromWin1250(zevo::ErrorBoxText(error.what())));
    } catch (const std::exception& error) {
        ShowErrorBox(desktop, owner, QString::fromLocal8Bit(zevo::ErrorBoxText(error.what())));
    }
}
