#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"

#include "synthese.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>

using namespace optolink;

namespace {

struct Resultats {
    ReceptionMorse morse;
    ReceptionBinaire binaire;
};

Resultats decoder(QByteArray texte)
{
    QBuffer a(&texte);
    a.open(QIODevice::ReadOnly);
    const ReceptionMorse m = decode_fichiermorserap(a);
    QBuffer b(&texte);
    b.open(QIODevice::ReadOnly);
    return {m, decode_fichierbinrap(b)};
}

QByteArray lignes(int nb, const QByteArray& ligne)
{
    QByteArray texte;
    for (int i = 0; i < nb; ++i)
        texte += ligne + "\r\n";
    return texte;
}

} // namespace

TEST(FichiersMalformes, VideOuTropCourt)
{
    for (const QByteArray& texte : {QByteArray(), lignes(10, "x"), lignes(36, "  0  60 "), lignes(37, "  0  60 ")}) {
        const Resultats r = decoder(texte);
        EXPECT_EQ(r.morse.message, "");
        EXPECT_EQ(r.morse.texte1, "code morse reçu : ");
        EXPECT_EQ(r.binaire.message, "");
        EXPECT_EQ(r.binaire.texte1, "");
    }
}

TEST(FichiersMalformes, LignesSansDonnees)
{
    QByteArray texte = lignes(35, "en-tête") + lignes(3000, "rien ici") + lignes(3000, "1,2,3") + lignes(100, "  7");
    const Resultats r = decoder(texte);
    EXPECT_EQ(r.morse.message, "");
    EXPECT_EQ(r.binaire.message, "");
}

TEST(FichiersMalformes, TouteLaLumiereEtUnFichierSansFin)
{
    // Light to the last line: every run ends at the end of the file.
    const Resultats lumiere = decoder(lignes(35, "") + "  0  3 \r\n  1  3 \r\n" + lignes(5000, "  2  60 "));
    EXPECT_EQ(lumiere.morse.codemorse, "");
    EXPECT_EQ(lumiere.binaire.chainebits, "");
    // No line end at all after the header.
    const Resultats sans_fin = decoder(lignes(35, "") + "  0  3 \r\n  1  3 \r\n  2  60");
    EXPECT_EQ(sans_fin.morse.message, "");
}

TEST(FichiersMalformes, UnMegaOctetDeTexteAuHasard)
{
    std::mt19937 hasard(2024);
    const QByteArray alphabet = "0123456789   .-\r\n\nabc\xFB";
    for (int essai = 0; essai < 3; ++essai) {
        QByteArray texte(1 << 20, '\0');
        for (char& c : texte)
            c = essai == 2 ? static_cast<char>(hasard() & 0xFF)
                           : alphabet[static_cast<qsizetype>(hasard() % static_cast<unsigned>(alphabet.size()))];
        const Resultats r = decoder(texte);
        EXPECT_LE(r.morse.codemorse.size(), 1 << 20);
        EXPECT_LE(r.binaire.chainebits.size(), 1 << 20);
    }
}

TEST(FichiersMalformes, LaTableAuHasardSeDecodeSansFin)
{
    std::mt19937 hasard(7);
    for (int essai = 0; essai < 20; ++essai) {
        std::vector<int> v(12801);
        int niveau = 0;
        for (int& x : v) {
            if (hasard() % 25 == 0)
                niveau = static_cast<int>(hasard() % 100);
            x = niveau;
        }
        const auto table = synthese::tabmesures(v);
        const int seuil = static_cast<int>(hasard() % 60) - 10;
        EXPECT_LE(decoder_morse_rapide(table, 12800, seuil).codemorse.size(), 12802);
        EXPECT_LE(decoder_binaire_rapide(table, 12800, seuil).chainebits.size(), 12802 * 9);
    }
}
