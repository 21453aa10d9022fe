// Prints, for each slow coding, emission speed, timer interval and light-noise level, the share
// of random messages that the receiving station decodes exactly, over the simulated bench in
// virtual time (the real transmitter and receiver code on two stations).
//
// optolink-bench-lent [messages per cell, 10 by default] [--details: each failure on stderr]

#include "postes_virtuels/postes_simules.h"
#include "tools/deux_fils.h"

#include <QStringList>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct Vitesse {
    const char* legende;
    double dureebit;
};
const Vitesse vitesses[] = {
    {"x 0,875", 1 / 0.875}, {"x 0,9", 10.0 / 9}, {"x 0,925", 1 / 0.925}, {"x 0,95", 1 / 0.95},
    {"x 0,975", 1 / 0.975}, {"x 1", 1},           {"x 1,1", 1 / 1.1},     {"x 1.2", 1 / 1.2},
    {"x 1,3", 1 / 1.3},     {"x 2", 0.5},         {"x 3", 1.0 / 3},
};
const int intervalles_ms[] = {30, 50};

// The light's noise, and whether both interfaces are reached through USB links.
struct Conditions {
    double bruit_v;
    bool usb;
};
const Conditions conditions[] = {{0, false}, {0.25, false}, {0.5, false}, {0, true}};

// Words of 2 to 5 characters, one or two of them, single spaces: what a class would type.
QString message_au_hasard(bool binaire, std::mt19937& hasard)
{
    static const QString morse = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    static const QString binaire_ = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789éèêàçùôïÉÀ.,;:!?'-()€");
    const QString& alphabet = binaire ? binaire_ : morse;
    auto tirage = [&](int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); };
    QStringList mots;
    const int nb_mots = tirage(1, 2);
    for (int m = 0; m < nb_mots; ++m) {
        QString mot;
        const int longueur = binaire ? tirage(1, 3) : tirage(2, 5);
        for (int i = 0; i < longueur; ++i)
            mot += alphabet[tirage(0, static_cast<int>(alphabet.size()) - 1)];
        mots << mot;
    }
    return mots.join(u' ');
}

// The message as sent, whatever number of blanks the pause after the start marker puts in front.
bool decode_exactement(const Poste& recepteur, const QString& envoye)
{
    QString recu = recepteur.etat.message;
    while (recu.startsWith(u' '))
        recu.remove(0, 1);
    return recu == envoye;
}

struct Case {
    bool binaire;
    int vitesse;
    int intervalle_ms;
    Conditions conditions;
    std::atomic<int> reussis{0};
};

bool details = false;

void mesurer(Case& c, int nb_messages)
{
    std::mt19937 hasard(1234 + c.vitesse * 7 + c.intervalle_ms + static_cast<int>(c.conditions.bruit_v * 100)
                        + c.conditions.usb * 3);
    const essai::Codage codage = c.binaire ? binaire_lent() : morse_lent();
    for (int n = 0; n < nb_messages; ++n) {
        sim::ReglagesLumiere lumiere;
        lumiere.bruit_v = c.conditions.bruit_v;
        lumiere.graine = static_cast<std::uint32_t>(hasard());
        const QString texte = message_au_hasard(c.binaire, hasard);
        DeuxPostes postes(lumiere);
        if (c.conditions.usb)
            relier_par_usb(postes, static_cast<std::uint32_t>(hasard()));
        // Long enough after the send for a reception cut short to end by silence.
        const auto echange = postes.echanger(codage, texte, vitesses[c.vitesse].dureebit, c.intervalle_ms,
                                             10 * vitesses[c.vitesse].dureebit);
        if (echange.complet && decode_exactement(postes.posteB, texte))
            ++c.reussis;
        else if (details)
            std::fprintf(stderr, "%s %s %d ms %.2f V%s: sent \"%s\", received \"%s\" (%s)\n",
                         c.binaire ? "binary" : "Morse", vitesses[c.vitesse].legende, c.intervalle_ms,
                         c.conditions.bruit_v, c.conditions.usb ? " USB" : "",
                         texte.toUtf8().constData(), postes.posteB.etat.message.toUtf8().constData(),
                         (c.binaire ? postes.posteB.etat.chainebits : postes.posteB.fenetre.Texte2.Text)
                             .toUtf8()
                             .constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    int nb_messages = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--details")
            details = true;
        else
            nb_messages = std::max(1, std::atoi(argv[i]));
    }
    std::vector<std::unique_ptr<Case>> cases;
    for (bool binaire : {false, true})
        for (const Conditions& conditions_ : conditions)
            for (int intervalle : intervalles_ms)
                for (int v = 0; v < static_cast<int>(std::size(vitesses)); ++v)
                    cases.push_back(std::make_unique<Case>(binaire, v, intervalle, conditions_));

    sur_deux_fils(cases.size(), [&](std::size_t i) { mesurer(*cases[i], nb_messages); });

    std::printf("Slow codings over the simulated bench: %% of %d random messages decoded exactly\n", nb_messages);
    std::printf("(leading blanks from the pause after the start marker ignored; noise: each reading moves by up to\n"
                "that many volts either way, dark 0.16 V, light +3.9 V, threshold = measured dark + 0.5 V; USB: 1 ms\n"
                "frames, the computer late by 0 to 1 ms before each write, 16 ms latency timer, on both sides)\n");
    std::size_t i = 0;
    for (bool binaire : {false, true}) {
        std::printf("\n%s\n", binaire ? "slow binary" : "slow Morse");
        std::printf("%-18s", "noise    interval");
        for (const auto& v : vitesses)
            std::printf("%8s", v.legende);
        std::printf("\n");
        for (const Conditions& c : conditions)
            for (int intervalle : intervalles_ms) {
                std::printf("%4.2f V%-4s %3d ms  ", c.bruit_v, c.usb ? " USB" : "", intervalle);
                for (std::size_t v = 0; v < std::size(vitesses); ++v, ++i)
                    std::printf("%7d%%", 100 * cases[i]->reussis.load() / nb_messages);
                std::printf("\n");
            }
    }
    return 0;
}
