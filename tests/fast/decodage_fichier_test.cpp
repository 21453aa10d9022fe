#include "rapide/decodage_fichier.h"

#include "poste/routine.h"
#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
#include "postes_virtuels/station_virtuelle.h"
#include "synthese.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

const QString consigne_morse = " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' ');
const QString consigne_binaire = " Entrer un message (tout caractère clavier) ou code" + QString(25, u' ');

// A station whose window and recording are those of an earlier reception: what the decoders
// must change, and what they must leave alone.
class DecodageFenetre : public testing::Test {
protected:
    QTemporaryDir dossier;
    essai::StationFactice station;
    Poste& poste = station.poste;
    FenetrePrincipale& f = poste.fenetre;
    struct Image {
        QString texte1;
        bool minuterie;
        int taille;
    };
    std::vector<Image> images; // the window each time it is repainted while the file is read
    Crochet<>::Branchement rafraichi;

    DecodageFenetre()
    {
        poste.etat.taillepolice = 20;
        poste.etat.nbsilences = 3;
        poste.etat.tabmesures[5] = 77;
        poste.etat.nbmesures = 6400;
        f.Texte1 = {"avant", true, 16, jaune_clair};
        f.Texte2 = {"message d'avant", false, 16, 0};
        f.Etiquette1.Caption = "consigne d'avant";
        f.Etiquette2.Caption = "état d'avant";
        f.Btonenvoiemorse.Enabled = f.Btonenvoiebinaire.Enabled = f.Btonefface.Enabled = false;
        poste.plateforme.minuterie.setEnabled(true);
        rafraichi = f.surRafraichir.brancher([this] {
            images.push_back({f.Texte1.Text, poste.plateforme.minuterie.enabled(), f.Texte2.FontSize});
        });
    }

    // The signal saved to a file, decoded there by the file decoder alone (what is expected),
    // then on the window.
    template <typename DecodeurFichier>
    auto decoder(const synthese::Signal& signal, DecodeurFichier decodeur_fichier, Routine decodeur_fenetre)
    {
        poste.etat.nomfichier = synthese::fichier_rrr(dossier.path(), "essai.rrr", signal.echantillons(6400));
        QFile fichier(poste.etat.nomfichier);
        fichier.open(QIODevice::ReadOnly);
        const auto attendu = decodeur_fichier(fichier);
        decodeur_fenetre(poste);
        return attendu;
    }

    void verifier_fin(const QString& message, const QString& texte1, const QString& consigne)
    {
        EXPECT_EQ(poste.etat.message, message);
        EXPECT_EQ(f.Texte2.Text, message);
        EXPECT_EQ(f.Texte1.Text, texte1);
        EXPECT_EQ(f.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
        EXPECT_EQ(f.Etiquette1.Caption, consigne);
        EXPECT_EQ(f.Etiquette1.BackColor, vert_clair);
        EXPECT_EQ(f.Texte1.BackColor, vert_clair);
        EXPECT_TRUE(f.Texte2.Locked);
        EXPECT_FALSE(f.Texte1.Locked);
        EXPECT_EQ(f.Texte1.FontSize, 20);
        EXPECT_EQ(f.Texte2.FontSize, 20);
        EXPECT_TRUE(f.Btonefface.Enabled);
        EXPECT_TRUE(poste.plateforme.minuterie.enabled());
        EXPECT_EQ(poste.etat.nomfichierlu, poste.etat.nomfichier);
        EXPECT_EQ(poste.etat.tabmesures[5], 77);
        EXPECT_FALSE(mesuree(poste.etat.tabmesures[6]));
        EXPECT_EQ(poste.etat.nbmesures, 6400);
        ASSERT_FALSE(images.empty());
        for (const Image& i : images) {
            EXPECT_FALSE(i.minuterie);
            EXPECT_EQ(i.taille, 20);
        }
    }

    void verifier_inchange()
    {
        EXPECT_EQ(f.Texte1.Text, "avant");
        EXPECT_EQ(f.Texte2.Text, "message d'avant");
        EXPECT_EQ(f.Texte1.FontSize, 16);
        EXPECT_EQ(f.Etiquette1.Caption, "consigne d'avant");
        EXPECT_EQ(f.Etiquette2.Caption, "état d'avant");
        EXPECT_FALSE(f.Btonefface.Enabled);
        EXPECT_TRUE(poste.etat.message.isEmpty());
        EXPECT_TRUE(images.empty());
        EXPECT_TRUE(poste.plateforme.minuterie.enabled());
    }
};

} // namespace

TEST_F(DecodageFenetre, MorseRapideCommeLeDecodeurDeFichier)
{
    const ReceptionMorse attendu = decoder(
        synthese::emission_morse("le 42 ok"), [](QIODevice& fichier) { return decode_fichiermorserap(fichier); },
        decode_fichiermorserap);
    ASSERT_EQ(synthese::sans_blancs_de_fin(attendu.message), "le 42 ok");
    verifier_fin(attendu.message, attendu.texte1, consigne_morse);
    EXPECT_TRUE(f.Btonenvoiemorse.Enabled);
    EXPECT_FALSE(f.Btonenvoiebinaire.Enabled);
    EXPECT_EQ(poste.etat.nbsilences, 0);
    EXPECT_TRUE(attendu.codemorse.startsWith(images.front().texte1));
}

TEST_F(DecodageFenetre, BinaireRapideCommeLeDecodeurDeFichier)
{
    poste.etat.chainebits = "ancien";
    const ReceptionBinaire attendu = decoder(
        synthese::emission_binaire("Ça va"), [](QIODevice& fichier) { return decode_fichierbinrap(fichier); },
        decode_fichierbinrap);
    ASSERT_EQ(synthese::sans_blancs_de_fin(attendu.message), "Ça va");
    verifier_fin(attendu.message, attendu.textebits, consigne_binaire);
    EXPECT_TRUE(f.Btonenvoiebinaire.Enabled);
    EXPECT_FALSE(f.Btonenvoiemorse.Enabled);
    EXPECT_EQ(poste.etat.chainebits, attendu.chainebits);
    EXPECT_EQ(poste.etat.textebits, attendu.textebits);
    EXPECT_TRUE(attendu.textebits.startsWith(images.front().texte1));
}

TEST_F(DecodageFenetre, UnFichierAbsentOuUnDossierLaisseLaFenetreCommeAvant)
{
    const QString absent = QDir(dossier.path()).filePath("absent.rrr");
    const struct {
        QString chemin;
        Routine decodeur;
        QString raison;
    } cas[] = {{absent, decode_fichiermorserap, "il n'existe pas"},
               {absent, decode_fichierbinrap, "il n'existe pas"},
               {dossier.path(), decode_fichiermorserap, "c'est un dossier, pas un fichier"}};
    for (const auto& c : cas) {
        station.boites.vues.clear();
        poste.plateforme.minuterie.setEnabled(false);
        poste.etat.nomfichier = c.chemin;
        c.decodeur(poste);
        verifier_inchange();
        EXPECT_EQ(poste.etat.nomfichierlu, c.chemin);
        ASSERT_EQ(station.boites.vues.size(), 1u);
        EXPECT_EQ(station.boites.vues[0].titre, "Lecture du fichier impossible");
        EXPECT_EQ(station.boites.vues[0].texte, "Le fichier « " + c.chemin + " » ne peut pas être lu : " + c.raison + ".");
    }
}

// The file is emptied or removed while it is read (another program writing it, a key pulled out):
// the decoding ends with what it read, and the window is given back.
TEST_F(DecodageFenetre, UnFichierVideOuSupprimeEnCoursDeLectureDonneCeQuiAEteLu)
{
    const struct {
        QString texte;
        synthese::Signal signal;
        Routine decodeur;
    } decodeurs[] = {{"le 42 ok", synthese::emission_morse("le 42 ok"), decode_fichiermorserap},
                     {"Ça va", synthese::emission_binaire("Ça va"), decode_fichierbinrap}};
    const struct {
        void (*faire)(const QString& chemin);
        bool tout_lu; // what was open can still be read to its end
    } pannes[] = {{[](const QString& chemin) { QFile::resize(chemin, 0); }, false},
                  {[](const QString& chemin) { QFile::remove(chemin); }, true}};
    for (const auto& d : decodeurs) {
        for (const auto& panne : pannes) {
            poste.etat.nomfichier = synthese::fichier_rrr(dossier.path(), "essai.rrr", d.signal.echantillons(6400));
            // The file changes at the decoder's first yield, once it is open and before it is read.
            const QString chemin = poste.etat.nomfichier;
            station.acteur.programmer(poste.plateforme.horloge.maintenant_s(), [&panne, chemin] { panne.faire(chemin); });
            d.decodeur(poste);
            const QString recu = synthese::sans_blancs_de_fin(poste.etat.message);
            if (panne.tout_lu)
                EXPECT_EQ(recu, d.texte);
            else
                EXPECT_LT(recu.size(), d.texte.size()) << qPrintable(recu);
            EXPECT_EQ(f.Texte2.Text, poste.etat.message);
            EXPECT_EQ(f.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
            EXPECT_TRUE(poste.plateforme.minuterie.enabled());
            EXPECT_FALSE(f.Texte1.Locked);
            EXPECT_TRUE(station.boites.vues.empty());
        }
    }
}
