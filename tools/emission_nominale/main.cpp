// Prints the lengths of the light and dark periods a transmitter plays for a message, at a speed,
// from its first light: the same send made on the simulated bench in virtual time, where every
// element has its nominal length. A real-time exchange's journal is set against it.
//
// optolink-emission-nominale (morse|binaire|morse-rapide|binaire-rapide) MESSAGE DUREEBIT_S

#include "postes_virtuels/postes_simules.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <map>

using namespace optolink;
using namespace optolink::essai;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::map<QString, essai::Codage> codages{{QStringLiteral("morse"), morse_lent()},
                                                  {QStringLiteral("binaire"), binaire_lent()},
                                                  {QStringLiteral("morse-rapide"), morse_rapide()},
                                                  {QStringLiteral("binaire-rapide"), binaire_rapide()}};
    const QStringList arguments = application.arguments();
    bool ok = false;
    const double dureebit = arguments.size() == 4 ? arguments[3].toDouble(&ok) : 0;
    const auto codage = arguments.size() == 4 ? codages.find(arguments[1]) : codages.end();
    if (!ok || dureebit <= 0 || codage == codages.end()) {
        std::fprintf(stderr, "usage : optolink-emission-nominale (morse|binaire|morse-rapide|binaire-rapide) MESSAGE DUREEBIT_S\n");
        return 2;
    }
    DeuxPostes postes;
    postes.echanger(codage->second, arguments[2], dureebit, codage->second.intervalle_ms);
    bool allume = true;
    for (const double duree_s : durees_laser(postes.banc.interface(0))) {
        std::printf("%s %.6f\n", allume ? "allumé" : "éteint", duree_s);
        allume = !allume;
    }
    return 0;
}
