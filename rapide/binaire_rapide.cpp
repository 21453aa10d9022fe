#include "rapide/binaire_rapide.h"

#include "caracteres/windows1252.h"
#include "codages/abreviations.h"
#include "fichiers/rrr.h"
#include "rapide/echantillons_fichier.h"
#include "rapide/eclats.h"
#include "rapide/unite.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace optolink {

namespace {

constexpr int bits_par_trame = 9;
// A run is a whole number of bits within this share of a bit.
constexpr double tolerance_bit = 0.4;
// A run of the preamble lies within half a bit of one bit: nearer one than any other number.
constexpr double tolerance_forme = 0.5;

// Extreme widths of the preamble's pulses and of its gaps, in samples, for the reading.
struct Extremites {
    int min = 10000;
    int max = 0;
    void noter(int largeur)
    {
        min = std::min(min, largeur);
        max = std::max(max, largeur);
    }
};

class Decodeur {
public:
    Decodeur(Echantillons& e, int seuilmesure, bool fichier, const Progression& progression, Lecture* lecture)
        : e_(e, seuilmesure), seuil_(seuilmesure), fichier_(fichier), progression_(progression), releve_(lecture) {}

    ReceptionBinaire decoder()
    {
        mesurer_preambule();
        while (e_.reste())
            caractere();
        return {chainebits_, textebits_, {}, textebits_};
    }

private:
    void lire() { mesure_ = e_.suivant(); }

    void montrer()
    {
        if (progression_)
            progression_(textebits_);
    }

    // Three light pulses one bit apart; the stream stops after the third pulse, whose edges give
    // the bit. Three pulses that are not one bit each, one bit apart (a stray flash before them),
    // lose their first, and the scan goes on.
    void mesurer_preambule()
    {
        Extremes extremes;
        const auto lire_noter = [&] {
            lire();
            extremes.noter(mesure_);
        };
        std::array<int, 3> debuts{};
        std::array<int, 3> fins{};
        int nbpulsations = 0;
        while (nbpulsations < 3 && e_.reste_preambule()) {
            lire_noter();
            if (mesure_ >= seuil_ && !e_.epuisee()) {
                const int debut = e_.indice();
                while ((fichier_ ? mesure_ >= seuil_ : mesure_ > seuil_) && e_.peut_avancer())
                    lire_noter();
                if (e_.indice() == debut)
                    continue; // a sample at the level, on neither side: the pulse starts after it
                debuts[nbpulsations] = debut;
                fins[nbpulsations] = e_.indice();
                if (++nbpulsations == 3 && !ajuster(debuts, fins)) {
                    std::rotate(debuts.begin(), debuts.begin() + 1, debuts.end());
                    std::rotate(fins.begin(), fins.begin() + 1, fins.end());
                    nbpulsations = 2;
                }
            }
        }
        noter_preambule(debuts, fins, nbpulsations, extremes.milieu());
        seuil_ = extremes.milieu();
        e_.regler_seuil(seuil_);
    }

    // The pulses and gaps are one bit each: the edges are one bit apart.
    bool ajuster(const std::array<int, 3>& debuts, const std::array<int, 3>& fins)
    {
        std::array<Unite::Front, 6> fronts{};
        for (int i = 0; i < 3; ++i) {
            fronts[2 * i] = {debuts[i], 2.0 * i, true};
            fronts[2 * i + 1] = {fins[i], 2.0 * i + 1, false};
        }
        bit_ = Unite::ajuster(fronts);
        if (bit_.concorde(fronts, tolerance_forme))
            return true;
        bit_ = {};
        return false;
    }

    void noter_preambule(const std::array<int, 3>& debuts, const std::array<int, 3>& fins, int nbpulsations,
                         int seuil_calibre)
    {
        Extremites haut;
        Extremites bas;
        for (int i = 0; i < nbpulsations; ++i) {
            if (i > 0) {
                releve_.calibration(fins[i - 1], debuts[i] - fins[i - 1], false);
                bas.noter(debuts[i] - fins[i - 1]);
            }
            releve_.calibration(debuts[i], fins[i] - debuts[i], true);
            haut.noter(fins[i] - debuts[i]);
        }
        releve_.seuils(seuil_, seuil_calibre);
        releve_.largeur("dureehautmin", haut.min);
        releve_.largeur("dureehautmax", haut.max);
        releve_.largeur("dureebasmin", bas.min);
        releve_.largeur("dureebasmax", bas.max);
        releve_.largeur("bit", bit_.echantillons);
        releve_.largeur("asymetrie", bit_.asymetrie);
    }

    bool dans_trame() const { return 1 <= nbbits_ && nbbits_ < bits_par_trame; }

    // Where a run of the decoding scan starts: its first sample and the code so far.
    struct Debut {
        int indice;
        qsizetype position;
    };
    Debut commencer() const { return {e_.indice(), chainebits_.size()}; }
    void noter(Debut debut, int longueur, bool lumiere)
    {
        releve_.palier(debut.indice, longueur, lumiere, chainebits_, debut.position);
    }

    void espace()
    {
        chainebits_ += u' ';
        textebits_ += QStringLiteral(" ( ) ");
        montrer();
    }

    // Between two frames the sender leaves a two-bit pause, and two more bits for each space: a
    // space is shown once the darkness reaches three bits, then one more every four bits, a long
    // silence giving about one per four bits. When light comes back, the darkness counts one
    // space per two bits beyond the pause, those shown included. The darkness may follow the zeros
    // that ended a frame (it then starts on the bit's edge), or a light run.
    void espaces_entre_caracteres()
    {
        const Debut debut = commencer();
        // After zeros the darkness starts where a bit would end, not on an edge.
        const bool decalee = !apres_zeros_;
        int duree = 0;
        int montres = 0;
        const auto en_bits = [&] {
            return decalee ? bit_.en_unites(duree, false) : duree / bit_.echantillons;
        };
        while (mesure_ <= seuil_ && e_.reste()) {
            ++duree;
            lire();
            if (bit_.valable() && en_bits() >= 4 * (montres + 1) - 1) {
                espace();
                ++montres;
            }
        }
        if (bit_.valable() && mesure_ > seuil_) {
            const auto dus = static_cast<int>(std::floor(std::max(0.0, en_bits() - 2) / 2 + 0.5));
            for (; montres < dus; ++montres)
                espace();
        }
        apres_zeros_ = false;
        noter(debut, duree, false);
    }

    void uns()
    {
        const Debut debut = commencer();
        int nbhaut = 0;
        while (mesure_ >= seuil_ && nbbits_ < bits_par_trame && e_.reste()) {
            ++nbhaut;
            lire();
        }
        // Nine bits of light are a whole frame of ones, the start bit and the code 255 ("ÿ").
        const int n = bit_.entieres(nbhaut, true, nbbits_ == 0 ? bits_par_trame : 8, tolerance_bit);
        if (n > 0) {
            const QString bits(n, u'1');
            chainebits_ += bits;
            textebits_ += bits;
            montrer();
            code8_ += nbbits_ > 0 ? bits : QString(n - 1, u'1'); // the first is the start bit
            nbbits_ += n;
        }
        noter(debut, nbhaut, true);
    }

    void zeros()
    {
        const Debut debut = commencer();
        // The zeros that complete the frame end where they are due: the rest of the darkness is
        // the pause after the frame.
        const auto complet = static_cast<int>(std::lround(bit_.longueur(bits_par_trame - nbbits_, false)));
        int nbbas = 0;
        while (mesure_ <= seuil_ && dans_trame() && e_.reste()) {
            ++nbbas;
            lire();
            if (bit_.valable() && nbbas >= complet) {
                apres_zeros_ = true;
                break;
            }
        }
        const int n = dans_trame() ? bit_.entieres(nbbas, false, 8, tolerance_bit) : 0;
        if (n > 0) {
            const QString bits(n, u'0');
            chainebits_ += bits;
            textebits_ += bits;
            code8_ += bits;
            montrer();
            nbbits_ += n;
        }
        noter(debut, nbbas, false);
    }

    void caractere()
    {
        if (nbbits_ == 0)
            espaces_entre_caracteres();
        do {
            uns();
            zeros();
        } while (dans_trame() && e_.reste());
        if (nbbits_ >= bits_par_trame) {
            nbbits_ = 0;
            int valeur = 0;
            for (int i = 0; i < 8; ++i)
                valeur = 2 * valeur + (i < code8_.size() && code8_[i] == u'1' ? 1 : 0);
            textebits_ += QStringLiteral(" (") + caractere_windows1252(static_cast<unsigned char>(valeur))
                          + QStringLiteral(") ");
            montrer();
            code8_.clear();
        }
    }

    EchantillonsSansEclats e_;
    int seuil_;
    const bool fichier_;
    const Progression& progression_;
    Releve releve_;
    Unite bit_;
    bool apres_zeros_ = false; // the darkness under way began where zeros completed a frame
    int mesure_ = 0;
    int nbbits_ = 0;
    QString code8_;
    QString chainebits_;
    QString textebits_;
};

ReceptionBinaire developpe(ReceptionBinaire r, Developpement maniere, Lecture* lecture)
{
    std::vector<CaractereCode> caracteres;
    r.message = developper(reconstruire_message(r.chainebits, lecture ? &caracteres : nullptr), maniere);
    Releve(lecture).caracteres(caracteres);
    return r;
}

} // namespace

ReceptionBinaire decoder_trames(Echantillons& echantillons, int seuilmesure, bool fichier,
                                const Progression& progression, Lecture* lecture)
{
    return Decodeur(echantillons, seuilmesure, fichier, progression, lecture).decoder();
}

QString reconstruire_message(const QString& chainebits, std::vector<CaractereCode>* caracteres)
{
    const qsizetype n = chainebits.size();
    const auto bit = [&](qsizetype i) { return i <= n && chainebits[i - 1] == u'1' ? 1 : 0; };
    QString message;
    const auto ajouter = [&](const QString& texte, qsizetype premier, qsizetype dernier) {
        message += texte;
        if (caracteres)
            caracteres->push_back({texte, premier - 1, std::min(dernier, n) - 1});
    };
    for (qsizetype i = 1; i <= n - 1; ++i) {
        const QChar c = chainebits[i - 1];
        if (c == u' ')
            ajouter(QStringLiteral(" "), i, i);
        if (c == u'1') {
            const qsizetype debut = i;
            int valeur = 0;
            for (int j = 7; j >= 0; --j)
                valeur += bit(++i) << j;
            ajouter(caractere_windows1252(static_cast<unsigned char>(valeur)), debut, i);
        }
    }
    return message;
}

ReceptionBinaire decoder_binaire_rapide(std::span<const Mesure> tabmesures, int nbmesuresmax,
                                        int seuilbrut, const Progression& progression, Lecture* lecture)
{
    EchantillonsTable table(tabmesures, nbmesuresmax);
    return developpe(decoder_trames(table, seuilbrut + 7, false, progression, lecture),
                     Developpement::trois_premiers, lecture);
}

ReceptionBinaire decode_fichierbinrap(std::span<const int> niveaux, const Progression& progression,
                                      Lecture* lecture)
{
    EchantillonsFichier echantillons(niveaux);
    const int seuilmesure = echantillons.premier_seuil();
    return developpe(decoder_trames(echantillons, seuilmesure, true, progression, lecture),
                     Developpement::fichier, lecture);
}

ReceptionBinaire decode_fichierbinrap(QIODevice& fichier, const Progression& progression, Lecture* lecture)
{
    return decode_fichierbinrap(niveaux_rrr(fichier), progression, lecture);
}

} // namespace optolink
