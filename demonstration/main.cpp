// optolink-demonstration: the program tried without any hardware. It starts the simulated bench and
// two windows of the program, one per simulated interface, and says what to answer in each.

#include "demonstration/fenetre_demonstration.h"
#include "demonstration/lanceur.h"
#include "liaison_qt/arret_propre.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace optolink;
using namespace optolink::demonstration;

namespace {
// The programs beside this one, as installed and as built.
QString a_cote(const QString& nom)
{
#ifdef _WIN32
    return QCoreApplication::applicationDirPath() + u'/' + nom + QStringLiteral(".exe");
#else
    return QCoreApplication::applicationDirPath() + u'/' + nom;
#endif
}

// The example recordings: beside the program (Windows), in the shared data (Debian), or in the
// sources the build comes from.
QString dossier_exemples()
{
    const QString ici = QCoreApplication::applicationDirPath();
    for (const QString& dossier :
         {ici + QStringLiteral("/exemples"), ici + QStringLiteral("/../share/optolink/exemples"),
          QStringLiteral(OPTOLINK_EXEMPLES_SOURCE)})
        if (QFileInfo(dossier).isDir())
            return QDir::cleanPath(QFileInfo(dossier).absoluteFilePath());
    return {};
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false); // the launcher ends once its processes have
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.optolink.optolink-demonstration"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator traduction;
    if (traduction.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
    quitter_sur_signal();

    const Programmes programmes{a_cote(QStringLiteral("optolink-bench")), a_cote(QStringLiteral("optolink")), {1, 2}};
    Lanceur lanceur(programmes);
    FenetreDemonstration fenetre(lanceur, programmes.ports, dossier_exemples());
    // Ended by the system: what the launcher started ends with it.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &lanceur, [&lanceur] { lanceur.arreter(); });
    fenetre.show();
    lanceur.demarrer();
    return application.exec();
}
