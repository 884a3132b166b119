#include "app/qt/help_launcher.h"

#include "app/language.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>

namespace app {

namespace {

HelpLauncher::Opener& opener() {
    static HelpLauncher::Opener o;
    return o;
}

}  // namespace

QString HelpLauncher::open() {
    const QString resource = currentLanguage() == kSpanish
                                 ? QStringLiteral(":/help/zelk_help_es.html")
                                 : QStringLiteral(":/help/zelk_help.html");
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("Zelk.html"));
    QFile source(resource);
    if (source.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = source.readAll();
        QFile target(path);
        if (target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            target.write(bytes);
        }
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (opener()) {
        opener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
    return path;
}

void HelpLauncher::setOpener(Opener o) {
    opener() = std::move(o);
}

}  // namespace app
