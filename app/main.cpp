// Albora starts with its splash window; the catalogue window follows it and
// stays until the user leaves the program.
#include "catalogue/form_catalogo.h"
#include "forms/form.h"
#include "shell/form_copyraight.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Albora");
    QApplication::setQuitOnLastWindowClosed(false);

    albora::impostaFinestraPrincipale([] { albora::formCatalogo.Show(); });
    // Closing the catalogue window with its close box ends the program too.
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, [] {
        if (!albora::formCatalogo.IsLoaded() && !albora::formCopyraight.IsLoaded())
            QApplication::quit();
    });
    // The splash loads once the event loop runs, so that a failed start can
    // end the program from its message.
    QTimer::singleShot(0, [] { albora::formCopyraight.Show(); });
    const int esito = QApplication::exec();
    platform::forms::UnloadAll();
    return esito;
}
