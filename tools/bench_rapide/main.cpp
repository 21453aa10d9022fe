// Prints, for each fast coding, emission speed and recording length, the share of random
// messages decoded exactly:
// - exchanged over the simulated bench in virtual time (the real transmitter and receiver code on
//   two stations), with light noise, with every laser change reaching the interface after a
//   random delay, and through USB links;
// - decoded from recordings whose every edge is late by a random delay, live and from a file, and
//   from the same recordings with glitches: three runs of 1 to 3 samples at the other level, one in
//   the dark gap before the calibration pattern, one among the pattern and the message, one anywhere.
//
// optolink-bench-rapide [messages per cell, 10 by default] [--echanges | --enregistrements]
//                       [--details: each failure on stderr]

#include "postes_virtuels/echange_rapide.h"
#include "postes_virtuels/synthese.h"
#include "tools/deux_fils.h"

#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
#include "codages/abreviations.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace optolink;
using namespace optolink::essai;

namespace {

bool details = false;

QString mots_au_hasard(bool binaire, const ReglageRapide& r, std::mt19937& hasard)
{
    static const QString morse = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    static const QString clavier = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789éèêàçùôïÉÀ.,;:!?'-()€@");
    const QString& alphabet = binaire ? clavier : morse;
    auto tirage = [&](int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); };
    const auto part = [&](const QString& t) { return binaire ? part_binaire(t, r) : part_morse(t, r); };
    QString texte;
    for (;;) {
        QString mot;
        for (int i = tirage(1, 5); i > 0; --i)
            mot += alphabet[tirage(0, static_cast<int>(alphabet.size()) - 1)];
        const QString suivant = texte.isEmpty() ? mot : texte + u' ' + mot;
        if (part(suivant) > 0.8 || (texte.size() > 4 && tirage(0, 2) == 0))
            return texte.isEmpty() ? mot.left(1) : texte;
        texte = suivant;
    }
}

// Words of 1 to 5 characters, single spaces, as long as the recording holds them with room left;
// never one that the receiver would take for a canned message ("e1 " at its head).
QString message_au_hasard(bool binaire, const ReglageRapide& r, std::mt19937& hasard)
{
    for (;;) {
        const QString texte = mots_au_hasard(binaire, r, hasard);
        if (developper(texte, Developpement::trois_premiers) == texte)
            return texte;
    }
}

// What disturbs the light or its timing in a row of the matrix.
struct Conditions {
    std::string legende;
    double bruit_v = 0;
    double gigue_s = 0;
    bool usb = false;
    bool eclats = false;
};

struct Case {
    bool binaire;
    ReglageRapide reglage;
    Conditions conditions;
    std::atomic<int> reussis{0};
    std::atomic<int> reussis_fichier{0};
};

// The silence after the message adds blanks to it.
bool exact(QString recu, const QString& texte)
{
    return synthese::sans_blancs_de_fin(std::move(recu)) == texte;
}

void signaler(const Case& c, const QString& texte, const QString& recu, const QString& code)
{
    if (details)
        std::fprintf(stderr, "%s %s %d %s: sent \"%s\", received \"%s\" (%s)\n", c.binaire ? "binary" : "Morse",
                     c.reglage.vitesse, c.reglage.nbmesuresmax, c.conditions.legende.c_str(),
                     texte.toUtf8().constData(), recu.toUtf8().constData(), code.toUtf8().constData());
}

std::mt19937 hasard_de(const Case& c)
{
    return std::mt19937(4321 + static_cast<unsigned>(c.reglage.dureebit * 1000 + c.reglage.nbmesuresmax
                                                      + c.conditions.bruit_v * 100 + c.conditions.gigue_s * 1e5
                                                      + c.conditions.usb * 7 + c.conditions.eclats * 11));
}

// Three glitches of 1 to 3 samples at the other level: in the dark before the first light, between
// the first light and the last, and anywhere in the recording.
void eclabousser(std::vector<int>& v, std::mt19937& hasard)
{
    const synthese::Niveaux niveaux;
    const auto allume = [&](int x) { return x > (niveaux.sombre + niveaux.allume) / 2; };
    const auto premier = std::find_if(v.begin() + 1, v.end(), allume) - v.begin();
    const auto dernier = v.rend() - std::find_if(v.rbegin(), v.rend(), allume);
    auto tirage = [&](long min, long max) { return std::uniform_int_distribution<long>(min, max)(hasard); };
    for (const auto& [min, max] : {std::pair{2L, premier - 5}, {premier, dernier}, {2L, std::ssize(v) - 5}}) {
        if (max <= min)
            continue;
        const long debut = tirage(min, max);
        const int valeur = allume(v[debut]) ? niveaux.sombre : niveaux.allume;
        for (long i = debut, n = tirage(1, 3); n > 0 && i < std::ssize(v); --n, ++i)
            v[i] = valeur;
    }
}

void echanger(Case& c, int nb_messages)
{
    std::mt19937 hasard = hasard_de(c);
    const essai::Codage codage = c.binaire ? binaire_rapide() : morse_rapide();
    for (int n = 0; n < nb_messages; ++n) {
        sim::ReglagesLumiere lumiere;
        lumiere.bruit_v = c.conditions.bruit_v;
        lumiere.graine = static_cast<std::uint32_t>(hasard());
        const QString texte = message_au_hasard(c.binaire, c.reglage, hasard);
        const auto graine = static_cast<std::uint32_t>(hasard());
        const EchangeRapide e = echanger_rapide(
            codage, texte, c.reglage,
            [&](DeuxPostes& p) {
                if (c.conditions.gigue_s > 0)
                    p.banc.interface(0).regler_gigue_laser(c.conditions.gigue_s, graine);
                if (c.conditions.usb)
                    relier_par_usb(p, graine);
            },
            lumiere);
        if (e.complet && exact(e.b.message, texte))
            ++c.reussis;
        else
            signaler(c, texte, e.b.message, c.binaire ? e.b.chainebits : e.fb.Texte1.Text);
    }
}

// The recording decoded as the receiver does and from a saved file.
struct Decodages {
    QString direct, fichier, code;
};

Decodages decoder(bool binaire, const std::vector<int>& echantillons, const QString& chemin)
{
    const auto table = synthese::tabmesures(echantillons);
    const int nbmesuresmax = static_cast<int>(echantillons.size()) - 1;
    const int seuil = synthese::seuil_de_niveau_sombre(synthese::Niveaux{}.sombre);
    QFile f(synthese::fichier_rrr(QFileInfo(chemin).path(), QFileInfo(chemin).fileName(), echantillons));
    f.open(QIODevice::ReadOnly);
    if (binaire) {
        const ReceptionBinaire d = decoder_binaire_rapide(table, nbmesuresmax, seuil);
        return {d.message, decode_fichierbinrap(f).message, d.chainebits};
    }
    const ReceptionMorse d = decoder_morse_rapide(table, nbmesuresmax, seuil);
    return {d.message, decode_fichiermorserap(f).message, d.codemorse};
}

void decoder_enregistrements(Case& c, int nb_messages)
{
    std::mt19937 hasard = hasard_de(c);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("signal.rrr"));
    const ReglageRapide& r = c.reglage;
    for (int n = 0; n < nb_messages; ++n) {
        const QString texte = message_au_hasard(c.binaire, r, hasard);
        const synthese::SignalTemps signal = c.binaire ? synthese::emission_binaire_temps(texte, r.dureebit)
                                                       : synthese::emission_morse_temps(texte, r.dureebit);
        std::vector<int> echantillons = signal.echantillons(r.periodemesure, r.nbmesuresmax, c.conditions.gigue_s,
                                                            static_cast<std::uint32_t>(hasard()));
        if (c.conditions.eclats)
            eclabousser(echantillons, hasard);
        const Decodages d = decoder(c.binaire, echantillons, chemin);
        // A file decoding compares the whole message with the abbreviations, the receiver only its
        // head: both give the text itself for these messages.
        if (exact(d.direct, texte))
            ++c.reussis;
        else
            signaler(c, texte, d.direct, d.code);
        if (exact(d.fichier, texte))
            ++c.reussis_fichier;
    }
}

struct Tableau {
    std::string titre;
    bool binaire;
    std::vector<Conditions> lignes;
    bool enregistrements;
};

void imprimer(const Tableau& t, const std::vector<std::unique_ptr<Case>>& cases, std::size_t& i, int nb_messages)
{
    const std::vector<ReglageRapide> reglages = reglages_rapides();
    std::printf("\n%s\n%-16s", t.titre.c_str(), "");
    for (const ReglageRapide& r : reglages)
        std::printf("%*s", t.enregistrements ? 10 : 8,
                    (std::string(r.vitesse) + (r.nbmesuresmax == 12800 ? "/30s" : "")).c_str());
    std::printf("\n");
    for (const Conditions& ligne : t.lignes) {
        std::printf("%-16s", ligne.legende.c_str());
        for (std::size_t k = 0; k < reglages.size(); ++k, ++i) {
            const int direct = 100 * cases[i]->reussis.load() / nb_messages;
            if (t.enregistrements)
                std::printf("%5d/%3d%%", direct, 100 * cases[i]->reussis_fichier.load() / nb_messages);
            else
                std::printf("%7d%%", direct);
        }
        std::printf("\n");
    }
}

std::vector<Conditions> gigues(std::initializer_list<double> valeurs_ms)
{
    std::vector<Conditions> lignes;
    for (const double ms : valeurs_ms)
        lignes.push_back({std::to_string(ms).substr(0, 3) + " ms jitter", 0, ms / 1000, false});
    return lignes;
}

} // namespace

int main(int argc, char** argv)
{
    int nb_messages = 10;
    bool echanges = true;
    bool enregistrements = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--details")
            details = true;
        else if (argument == "--echanges")
            enregistrements = false;
        else if (argument == "--enregistrements")
            echanges = false;
        else
            nb_messages = std::max(1, std::atoi(argv[i]));
    }
    std::vector<Tableau> tableaux;
    for (const bool binaire : {false, true}) {
        const std::string nom = binaire ? "fast binary" : "fast Morse";
        if (echanges) {
            std::vector<Conditions> lignes = {{"0.00 V noise", 0, 0, false},
                                              {"0.25 V noise", 0.25, 0, false},
                                              {"0.50 V noise", 0.5, 0, false}};
            for (const Conditions& g : gigues({0.5, 1, 2, 4}))
                lignes.push_back(g);
            lignes.push_back({"USB", 0, 0, true});
            tableaux.push_back({nom + ", exchanged in virtual time", binaire, lignes, false});
        }
        if (enregistrements) {
            std::vector<Conditions> lignes = gigues({0, 0.5, 1, 2, 4});
            for (Conditions g : gigues({0, 2, 4})) {
                g.legende = "glitches " + g.legende.substr(0, 3) + " ms";
                g.eclats = true;
                lignes.push_back(g);
            }
            tableaux.push_back({nom + ", recordings with every edge late, decoded live/from a file", binaire,
                                lignes, true});
        }
    }
    std::vector<std::unique_ptr<Case>> cases;
    for (const Tableau& t : tableaux)
        for (const Conditions& ligne : t.lignes)
            for (const ReglageRapide& r : reglages_rapides())
                cases.push_back(std::make_unique<Case>(t.binaire, r, ligne));
    std::vector<bool> de_tableau_enregistrement;
    for (const Tableau& t : tableaux)
        for (std::size_t k = 0; k < t.lignes.size() * reglages_rapides().size(); ++k)
            de_tableau_enregistrement.push_back(t.enregistrements);

    sur_deux_fils(cases.size(), [&](std::size_t i) {
        if (de_tableau_enregistrement[i])
            decoder_enregistrements(*cases[i], nb_messages);
        else
            echanger(*cases[i], nb_messages);
    });

    std::printf("Fast codings: %% of %d random messages decoded exactly\n", nb_messages);
    std::printf("(x 1, x 2, x 3 record every 1300, 800, 500 us, the other speeds every 1300 us; trailing blanks\n"
                "ignored; noise: each sample moves by up to that many volts either way, dark 0.16 V, light +3.9 V;\n"
                "jitter: each laser change takes effect late by a random 0 to that many ms; USB: 1 ms frames, the\n"
                "computer late by 0 to 1 ms before each write, 16 ms latency timer, on both sides; glitches: three\n"
                "runs of 1 to 3 samples at the other level, before the calibration pattern, among the pattern and\n"
                "the message, anywhere, with that much jitter)\n");
    std::size_t i = 0;
    for (const Tableau& t : tableaux)
        imprimer(t, cases, i, nb_messages);
    return 0;
}
