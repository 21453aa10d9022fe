#include "fast/binaire_rapide.h"

#include "codings/abreviations.h"
#include "codings/windows1252.h"
#include "fast/echantillons_fichier.h"

#include <algorithm>
#include <array>

namespace optolink {

namespace {

// Tolerance, in samples, on a run of n identical bits (index n, 1 to 9).
constexpr std::array<int, 10> marge = {0, 2, 2, 3, 3, 3, 4, 4, 4, 4};

// Bit widths, in samples, learnt from the preamble.
struct Preambule {
    int dureehautmin = 10000;
    int dureehautmax = 0;
    int dureebasmin = 10000;
    int dureebasmax = 0;
    int dureebas() const { return (dureebasmin + dureebasmax) / 2; }
    bool haut(int n, int nbhaut) const
    {
        return n * dureehautmin - marge[n] <= nbhaut && nbhaut <= n * dureehautmax + marge[n];
    }
    bool bas(int n, int nbbas) const
    {
        return n * dureebasmin - marge[n] <= nbbas && nbbas <= n * dureebasmax + marge[n];
    }
};

class Decodeur {
public:
    Decodeur(Echantillons& e, int seuilmesure, bool fichier, const Progression& progression, Lecture* lecture)
        : e_(e), seuil_(seuilmesure), fichier_(fichier), progression_(progression), releve_(lecture) {}

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

    // Three light pulses and the gap after the first; the stream stops after the third pulse.
    void mesurer_preambule()
    {
        Extremes extremes;
        const auto lire_noter = [&] {
            lire();
            extremes.noter(mesure_);
        };
        int nbimpulsions = 0;
        while (nbimpulsions < 4 && e_.reste_preambule()) {
            lire_noter();
            if (mesure_ >= seuil_ && nbimpulsions < 4 && !e_.epuisee()) {
                const int debut = e_.indice();
                int n = 0;
                while ((fichier_ ? mesure_ >= seuil_ : mesure_ > seuil_) && e_.peut_avancer()) {
                    ++n;
                    lire_noter();
                }
                ++nbimpulsions;
                releve_.calibration(debut, n, true);
                p_.dureehautmax = std::max(p_.dureehautmax, n);
                p_.dureehautmin = std::min(p_.dureehautmin, n);
            }
            if (mesure_ <= seuil_ && 0 < nbimpulsions && nbimpulsions < 3 && !e_.epuisee()) {
                const int debut = e_.indice();
                int n = 0;
                while ((fichier_ ? mesure_ <= seuil_ : mesure_ < seuil_) && e_.peut_avancer()) {
                    ++n;
                    lire_noter();
                }
                releve_.calibration(debut, n, false);
                p_.dureebasmax = std::max(p_.dureebasmax, n);
                p_.dureebasmin = std::min(p_.dureebasmin, n);
                ++nbimpulsions;
            }
        }
        releve_.seuils(seuil_, extremes.milieu());
        releve_.largeur("dureehautmin", p_.dureehautmin);
        releve_.largeur("dureehautmax", p_.dureehautmax);
        releve_.largeur("dureebasmin", p_.dureebasmin);
        releve_.largeur("dureebasmax", p_.dureebasmax);
        seuil_ = extremes.milieu();
    }

    bool dans_trame() const { return 1 <= nbbits_ && nbbits_ < 9; }

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

    void espaces_entre_caracteres()
    {
        const Debut debut = commencer();
        int duree = 0;
        int nbbas = 0;
        while (mesure_ <= seuil_ && e_.reste()) {
            ++duree;
            ++nbbas;
            lire();
            if (4 * p_.dureebasmin - 4 <= nbbas && nbbas <= 4 * p_.dureebasmax + 4) {
                chainebits_ += u' ';
                textebits_ += QStringLiteral(" ( ) ");
                montrer();
                nbbas = 0;
            }
        }
        noter(debut, duree, false);
    }

    void uns()
    {
        const Debut debut = commencer();
        int nbhaut = 0;
        while (mesure_ >= seuil_ && nbbits_ < 9 && e_.reste()) {
            ++nbhaut;
            lire();
        }
        const int duree = nbhaut;
        // Nine bits of light are a whole frame of ones, the start bit and the code 255 ("ÿ"):
        // read only as runs of eight at most, that character could never be received.
        const int plus_long = nbbits_ == 0 ? 9 : 8;
        for (int n = 1; n <= plus_long; ++n) {
            if (nbbits_ < 9 && p_.haut(n, nbhaut)) {
                const QString bits(n, u'1');
                chainebits_ += bits;
                textebits_ += bits;
                montrer();
                code8_ += nbbits_ > 0 ? bits : QString(n - 1, u'1'); // the first is the start bit
                nbbits_ += n;
                nbhaut = 0;
            }
        }
        noter(debut, duree, true);
    }

    void zeros()
    {
        const Debut debut = commencer();
        const int dureebas = p_.dureebas();
        int nbbas = 0;
        while (mesure_ <= seuil_ && dans_trame() && e_.reste()) {
            ++nbbas;
            lire();
            // The zeros seen so far complete the frame: the rest of the darkness is the pause.
            // A preamble gap measured as no sample gives no bit width to count with.
            if (dureebas > 0 && nbbas / dureebas + nbbits_ == 9)
                break;
        }
        const int duree = nbbas;
        for (int n = 1; n <= 8; ++n) {
            if (dans_trame() && p_.bas(n, nbbas)) {
                const QString bits(n, u'0');
                chainebits_ += bits;
                textebits_ += bits;
                code8_ += bits;
                montrer();
                nbbits_ += n;
                nbbas = 0;
            }
        }
        noter(debut, duree, false);
    }

    void caractere()
    {
        if (nbbits_ == 0)
            espaces_entre_caracteres();
        do {
            uns();
            zeros();
        } while (dans_trame() && e_.reste());
        if (nbbits_ >= 9) {
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

    Echantillons& e_;
    int seuil_;
    const bool fichier_;
    const Progression& progression_;
    Releve releve_;
    Preambule p_;
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

ReceptionBinaire decoder_binaire_rapide(std::span<const QString> tabmesures, int nbmesuresmax,
                                        int seuilbrut, const Progression& progression, Lecture* lecture)
{
    EchantillonsTable table(tabmesures, nbmesuresmax);
    return developpe(decoder_trames(table, seuilbrut + 7, false, progression, lecture),
                     Developpement::trois_premiers, lecture);
}

ReceptionBinaire decode_fichierbinrap(QIODevice& fichier, const Progression& progression, Lecture* lecture)
{
    EchantillonsFichier echantillons(fichier);
    const int seuilmesure = echantillons.premier_seuil();
    return developpe(decoder_trames(echantillons, seuilmesure, true, progression, lecture),
                     Developpement::fichier, lecture);
}

} // namespace optolink
