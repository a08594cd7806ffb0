#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "app/resources_init.h"
#include "app/translation.h"
#include "app/vel_dialog.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initOrdovanResources();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/appicon_wr"))));

    QTranslator translator;
    translator.load(translationResourceFor(QLocale::system().name()));
    app.installTranslator(&translator);

    VelDialog *dialog = new VelDialog(nullptr);
    dialog->show();
    const int result = app.exec();
    delete dialog;
    return result;
}
