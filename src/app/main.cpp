// Final Table Hold'em: the splash, then the table.
#include <QApplication>
#include <QScreen>
#include <memory>

#include "game/table.h"
#include "ui/qt_host.h"
#include "ui/splash_window.h"
#include "ui/table_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Final Table Hold'em");

    std::unique_ptr<holdem::ui::QtHost> host;
    std::unique_ptr<holdem::ui::TableWindow> table;
    auto* splash = new holdem::ui::SplashWindow([&] {
        if (table) return;
        host = std::make_unique<holdem::ui::QtHost>(
            std::make_unique<holdem::Table>(std::make_unique<holdem::ClockRandom>()));
        table = std::make_unique<holdem::ui::TableWindow>(*host);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QSize room = screen->availableGeometry().size() * 0.9;
            table->resize(table->size().boundedTo(room));
        }
        table->show();
        host->start();
    });
    splash->show();
    return QApplication::exec();
}
