#include <QApplication>
#include <QIcon>

#include "trainer_mainform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellorin.png")));
    QApplication::setDesktopFileName(QStringLiteral("org.vellorin.Vellorin"));

    vellorin::TrainerMainform form;
    form.Form_Load();
    form.PreloadCues();
    form.show();
    qCInfo(vellorin::lcStartup) << "window shown";
    return QApplication::exec();
}
