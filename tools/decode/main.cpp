#include "decodage/decodage_cli.h"
#include "liaison_qt/console_utf8.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
// Drawing an image or a report needs fonts, hence a GUI application, but never a display.
bool dessine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--image", "--pdf"})
            if (std::strcmp(argv[i], option) == 0
                || (std::strncmp(argv[i], option, std::strlen(option)) == 0 && argv[i][std::strlen(option)] == '='))
                return true;
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> application;
    // Accented letters as they are written: the console shows the UTF-8 the decoder prints.
    optolink::ecrire_la_console_en_utf8();
    if (dessine(argc, argv)) {
        // Drawing needs a GUI application; Windows always has a session to give one, Linux may not.
#ifndef _WIN32
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return optolink::decoder_fichiers(QCoreApplication::arguments(), sortie, erreurs);
}
