#include "programme/demarrage.h"

#include "liaison/interface.h"
#include "postes_virtuels/station_virtuelle.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace optolink;
using namespace optolink::essai;
using Reponse = Boites::Reponse;

namespace {

const QString titre_codage = " Choix du type de code MORSE ou BINAIRE ?";
const QString titre_priorite = "Attention à la priorité Windows accordée";
const QString titre_port = "N° de port COM (émulé) ? 1,2,3 ... 8 ? ";
const QString titre_branchement = "Branchement du matériel nécessaire effectué ?";
const QString titre_question_test = " Test du montage récepteur ?";
const QString titre_mesure = " Mesure de la tension seuil (photodiode non éclairée)";
const QString titre_resultat_seuil = " Résultat de mesure de la tension seuil ";
const QString titre_correct = " Résultat du test : CORRECT ";
const QString titre_incorrect = " Résultat du test : INCORRECT ";
const QString titre_avis_seuil = "ATTENTION : MESURE DE TENSION SEUIL";
const QString titre_port_impossible = "Ouverture du port COM impossible";
const QString titre_port_incorrect = "N° de port COM incorrect";

// Raw reading 2 in the dark: 2 × 20 / 255 V.
constexpr double noir_v = 2 * 20.0 / 255;

// Station A of a simulated bench, facing station B's laser.
struct Banc : ::testing::Test, StationBanc<BoitesScriptees> {
    int terminaisons = 0;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        poste.terminer = [this] { ++terminaisons; };
    }
    bool demarrer()
    {
        bool pret = false;
        temps.executer({{&acteur, [&] { pret = demarrage(poste); }}}, 120);
        return pret;
    }
    // The user of station B switches its laser on or off.
    void laser_b(bool allume) { banc.interface(1).envoyer(QByteArray(1, allume ? '\0' : ' ')); }
};

TEST_F(Banc, MorseSansTestDemandeDansLOrdreEtLaisseLesValeursParDefaut)
{
    boites.saisies = {"3"};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    QString texte1_pendant_le_dialogue;
    boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == titre_port)
            texte1_pendant_le_dialogue = poste.fenetre.Texte1.Text;
    };
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(terminaisons, 0);
    EXPECT_EQ(boites.titres(), (std::vector<QString>{titre_codage, titre_priorite, titre_port, titre_branchement,
                                   titre_question_test, titre_avis_seuil}));
    EXPECT_EQ(boites.defauts, std::vector<QString>{"1"});
    EXPECT_TRUE(boites.vues[0].avecAnnuler);
    EXPECT_FALSE(boites.vues[1].avecAnnuler);
    EXPECT_TRUE(boites.vues[3].avecAnnuler);
    EXPECT_FALSE(boites.vues[5].avecAnnuler);
    EXPECT_EQ(texte1_pendant_le_dialogue,
        " Message à effacer : en morse lent; message d'environ 10 caractères au maximum conseillé pour éviter "
        "une durée de transmission trop longue,  sinon passer en mode 'morse rapide'");

    const Etat& e = poste.etat;
    EXPECT_EQ(e.typecodage, optolink::Codage::morse);
    EXPECT_EQ(e.numeroport, 3);
    EXPECT_EQ(com.commPort(), 3);
    EXPECT_EQ(com.settings(), "9600,N,8,1");
    EXPECT_TRUE(com.portOpen());
    EXPECT_DOUBLE_EQ(e.tensionseuil, noir_v + 0.5);
    EXPECT_EQ(e.taillepolice, 16);
    EXPECT_EQ(e.dureebit, 1);
    EXPECT_EQ(e.modevitesse, Echantillonnage::us1300);
    EXPECT_EQ(e.periodemesure, 0.0013);
    EXPECT_EQ(e.nbmesuresmax, 6400);
    EXPECT_TRUE(e.enregistremorse);
    EXPECT_TRUE(e.enregistrebin);

    const FenetrePrincipale& f = poste.fenetre;
    EXPECT_FALSE(f.Visible);
    EXPECT_EQ(f.Texte1.Text, "");
    EXPECT_TRUE(f.Texte2.Locked);
    EXPECT_EQ(f.Texte2.Text, "");
    EXPECT_EQ(f.Caption, "Communication entre deux ordinateurs en code Morse (lent)");
    EXPECT_EQ(f.Etiquette1.Caption,
        " Entrer un message (sur 26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' '));
    EXPECT_TRUE(f.Btonenvoiemorse.Visible && f.Btonenvoiemorse.Enabled);
    EXPECT_TRUE(f.Btonenvoiebinaire.Visible && !f.Btonenvoiebinaire.Enabled);
    EXPECT_FALSE(f.Btonenvoi_morserapide.Visible || f.Btonenvoi_morserapide.Enabled);
    EXPECT_FALSE(f.Btonenvoi_binrap.Visible || f.Btonenvoi_binrap.Enabled);
    EXPECT_TRUE(f.menus[Menu::menu_typemorse].Checked);
    EXPECT_FALSE(f.menus[Menu::menu_typebinaire].Checked);
    EXPECT_TRUE(f.menus[Menu::menu_50ms].Checked);
    EXPECT_FALSE(f.menus[Menu::menu_30ms].Checked);
    for (Menu m : {Menu::menu_quiestlauteur, Menu::menu_reponsequarmont, Menu::menu_messagelong})
        EXPECT_FALSE(f.menus[m].Enabled) << f.menus[m].Caption.toStdString();
    EXPECT_EQ(minuterie->interval(), 50);
    EXPECT_TRUE(minuterie->enabled());

    // Initialisation, the laser off, the EA0 requests, then the bare laser-off burst.
    const QByteArray& recus = banc.interface(0).octets_recus();
    EXPECT_TRUE(recus.startsWith("WFORMAT 1WASCWBAUDS 0 \rWEA 0\r"));
    const QByteArray rafale = recus.mid(recus.lastIndexOf('\r') + 1);
    EXPECT_FALSE(rafale.isEmpty());
    EXPECT_EQ(rafale.count(' '), rafale.size());
    EXPECT_FALSE(banc.interface(0).laser_allume());
}

// A board restarted by the opening of its port is in its loader, which each byte keeps there:
// nothing is written for silence_ouverture_s after the opening, then the initialisation at once.
TEST_F(Banc, SilenceApresLOuvertureDuPort)
{
    boites.saisies = {"3"};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    QByteArray avant;
    QByteArray apres;
    boites.pendant = [&](const BoiteVue& v) {
        if (v.titre != titre_branchement)
            return;
        const double ouverture_s = temps.maintenant_s();
        temps.programmer(ouverture_s + silence_ouverture_s - 0.001, [&] { avant = banc.interface(0).octets_recus(); });
        temps.programmer(ouverture_s + silence_ouverture_s + 0.03, [&] { apres = banc.interface(0).octets_recus(); });
    };
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(avant, "");
    EXPECT_EQ(apres, "WFORMAT 1WASCWBAUDS 0 \r");
}

TEST_F(Banc, AnnulerALaPremiereQuestionChoisitLeBinaireLent)
{
    boites.reponses[titre_codage] = {Reponse::Annuler};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    boites.saisies = {"1"};
    ASSERT_TRUE(demarrer());
    const FenetrePrincipale& f = poste.fenetre;
    EXPECT_EQ(poste.etat.typecodage, optolink::Codage::binaire);
    EXPECT_EQ(f.Caption, "Communication entre deux ordinateurs en code binaire 8 bits ASCII (lent)");
    EXPECT_EQ(f.Etiquette1.Caption, " Entrer un message (tout caractère clavier) ou code" + QString(25, u' '));
    EXPECT_TRUE(f.Btonenvoiemorse.Visible && !f.Btonenvoiemorse.Enabled);
    EXPECT_TRUE(f.Btonenvoiebinaire.Visible && f.Btonenvoiebinaire.Enabled);
    EXPECT_TRUE(f.menus[Menu::menu_typebinaire].Checked);
    EXPECT_FALSE(f.menus[Menu::menu_typemorse].Checked);
    EXPECT_TRUE(f.menus[Menu::menu_30ms].Checked);
    EXPECT_FALSE(f.menus[Menu::menu_50ms].Checked);
    EXPECT_EQ(minuterie->interval(), 30);
    EXPECT_EQ(f.Texte1.Text, "");
}

TEST_F(Banc, TextesDesBoitesAvecLeursRetoursALaLigne)
{
    boites.saisies = {"3"};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(boites.trouver(titre_codage)->texte,
        "Codage MORSE (lent) cliquer Ok  ou  codage BINAIRE (lent) cliquer Annuler  ? ");
    EXPECT_EQ(boites.trouver(titre_priorite)->texte,
        "Pour les codages en binaire, le programme devra peut-être être placé en haute priorité (Onglet Processus "
        "option Temps réel) grâce au gestionnaire de tâches\nsi les ordinateurs sont en réseau ou si plusieurs "
        "programmes sont déjà en mémoire");
    EXPECT_EQ(boites.trouver(titre_port)->texte,
        "Entrer le n° de port COM réel ou correspondant au port USB émulé \r Le pilote d'Orphy GTS II USB ou de "
        "l'adaptateur USB-série éventuel doit être déjà installé et Orphy branché sur un port COM ou USB\r{voir "
        "Panneau de configuration Icône Ajout de matériel Option déjà connecté Liste de matériel} ");
    EXPECT_EQ(boites.trouver(titre_branchement)->texte,
        "* chaque Orphy GTS II série (ou USB) est relié au port COM (ou USB émulé en port COM)  3 de chaque "
        "ordinateur \n* Chaque module test d'Orphy GTS est relié sur la prise A \n\n* un laser modulé est relié à "
        "la sortie binaire SB0 d'Orphy (sur le poste émetteur simple ou les 2 postes émetteur-récepteur)\n\n* une "
        "photodiode ou un phototransistor (sur borne 5V du module test) est connectée en série avec une résistance "
        "de 82 kOhm (sur Ref(0V)du module test) (sur le poste récepteur simple ou les 2 postes émetteur-récepteur)"
        "\n* la connexion entre les 2 dipôles est liée à l'entrée EA0 (sur le poste récepteur simple ou les 2 "
        "postes récepteur-émetteur)\n donc la tension sur la résistance de 82 kOhm est envoyée sur EA0 \n\nSi le "
        "montage est réalisé; taper OK sinon annuler");
    EXPECT_EQ(boites.trouver(titre_question_test)->texte,
        "Voulez vous tester la hausse de tension aux bornes de \nla résistance de 82 kOhm lors de l'éclairement "
        "par laser de la photodiode (ou du phototransistor) (si ce poste est équipé pour la fonction réception)? "
        "\n\nCliquer OK pour le test   Annuler sinon");
    EXPECT_EQ(boites.trouver(titre_avis_seuil)->texte,
        "La tension seuil va être mesurée sur ce poste (si récepteur)\n\nSI CE POSTE EST RECEPTEUR :VERIFIER QUE "
        "LA PHOTODIODE (OU LE PHOTOTRANSISTOR) N'EST PAS ECLAIREE PAR LE LASER DE L'AUTRE POSTE EMETTEUR AVANT DE "
        "CONTINUER");
}

struct ReponsePort {
    const char* nom;
    const char* saisie;
    int numero;
};

class Ports : public Banc, public ::testing::WithParamInterface<ReponsePort> {};

TEST_P(Ports, NombreEnTeteArrondiAuPair)
{
    boites.saisies = {GetParam().saisie};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(poste.etat.numeroport, GetParam().numero);
    EXPECT_TRUE(com.portOpen());
}

INSTANTIATE_TEST_SUITE_P(Demarrage, Ports,
    ::testing::Values(ReponsePort{"Trois", "3", 3}, ReponsePort{"BlancsPuisTrois", "  3", 3},
        ReponsePort{"DeuxEtDemi", "2.5", 2}, ReponsePort{"TroisEtDemi", "3.5", 4},
        ReponsePort{"SeptPuisTexte", "7 (USB)", 7}),
    [](const ::testing::TestParamInfo<ReponsePort>& cas) { return std::string(cas.param.nom); });

TEST_F(Banc, DesLettresEnTeteDonnentLePortZeroQuiNeSOuvrePas)
{
    boites.saisies = {"COM3", "3"};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    std::vector<int> ports_proposes;
    boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == titre_branchement)
            ports_proposes.push_back(poste.etat.numeroport);
    };
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(ports_proposes, (std::vector<int>{0, 3}));
    const BoiteVue* echec = boites.trouver(titre_port_impossible);
    ASSERT_NE(echec, nullptr);
    EXPECT_TRUE(echec->avecAnnuler);
    EXPECT_TRUE(echec->texte.startsWith("Le port COM 0 n'a pas pu être ouvert")) << echec->texte.toStdString();
    EXPECT_TRUE(echec->texte.endsWith(
        "\n\nCliquer OK pour entrer un autre n° de port, Annuler pour quitter le programme"));
    EXPECT_EQ(poste.etat.numeroport, 3);
    EXPECT_TRUE(com.portOpen());
}

TEST_F(Banc, ReponseVideOuCablageAnnuleFinitAvantDOuvrirLePort)
{
    ASSERT_FALSE(demarrer());
    EXPECT_EQ(terminaisons, 1);
    EXPECT_EQ(boites.titres(), (std::vector<QString>{titre_codage, titre_priorite, titre_port}));

    boites.vues.clear();
    boites.saisies = {"2"};
    boites.reponses[titre_branchement] = {Reponse::Annuler};
    ASSERT_FALSE(demarrer());
    EXPECT_EQ(terminaisons, 2);
    EXPECT_EQ(boites.vues.back().titre, titre_branchement);
    EXPECT_FALSE(com.portOpen());
    EXPECT_TRUE(banc.interface(0).octets_recus().isEmpty());
}

TEST_F(Banc, LesNumerosDePortHorsDeSeizeBitsSontRefusesEtRedemandes)
{
    boites.saisies = {"40000", "-32769", "32767.5", "3"};
    boites.reponses[titre_question_test] = {Reponse::Annuler};
    ASSERT_TRUE(demarrer());
    int refus = 0;
    for (const auto& v : boites.vues)
        if (v.titre == titre_port_incorrect) {
            ++refus;
            EXPECT_FALSE(v.avecAnnuler);
        }
    EXPECT_EQ(refus, 3);
    EXPECT_EQ(boites.trouver(titre_port_incorrect)->texte,
        "Le n° de port COM \"40000\" est hors des limites admises (de -32768 à 32767).\nEntrer le n° du port COM "
        "réel ou émulé : 1, 2, 3 ...");
    EXPECT_EQ(poste.etat.numeroport, 3);
}

TEST_F(Banc, LeTestDuRecepteurReussitQuandLeLaserDEnFaceEclaireLaPhotodiode)
{
    boites.saisies = {"1"};
    boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == titre_resultat_seuil)
            laser_b(true);
        if (v.titre == titre_correct)
            laser_b(false);
    };
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(boites.titres(), (std::vector<QString>{titre_codage, titre_priorite, titre_port, titre_branchement,
                                   titre_question_test, titre_mesure, titre_resultat_seuil, titre_correct,
                                   titre_avis_seuil}));
    EXPECT_EQ(boites.trouver(titre_mesure)->texte,
        " Le programme va mesurer la tension aux bornes de la résistance lorsque \nla photodiode (ou le "
        "phototransistor) n'est pas éclairée par le laser de l'autre poste \nSur ce poste : vérifier que la "
        "photodiode n'est pas éclairée par laser SVP \n\nCliquer OK pour mesurer la tension dite seuil");
    EXPECT_EQ(boites.trouver(titre_resultat_seuil)->texte,
        "La tension Useuil = tension mesurée 00,16 V + 0,5 V = 00,66 V \n\nEclairer maintenant la photodiode (ou "
        "le phototransistor) avec le laser du poste émetteur \n\nCliquer OK pour mesurer la hausse de tension aux "
        "bornes de la résistance 82 kOhm ");
    // Lit: 2 + Int(3.9 × 255 / 20) = 51 raw, 4.00 V, a rise of 3.34 V above the threshold.
    EXPECT_EQ(boites.trouver(titre_correct)->texte,
        "La tension mesurée = 04,00 V  soit une hausse de 03,34 V  > 1V CORRECT ! \n\n Eteindre le laser du poste "
        "émetteur et continuer le programme ");
    EXPECT_FALSE(boites.trouver(titre_correct)->avecAnnuler);
    EXPECT_EQ(boites.trouver(titre_avis_seuil)->texte,
        "La tension seuil va être mesurée à nouveau sur ce poste (si récepteur)\n\nSI CE POSTE EST RECEPTEUR : "
        "VERIFIER QUE LA PHOTODIODE (OU LE PHOTOTRANSISTOR) N'EST PAS ECLAIREE PAR LE LASER DE L'AUTRE POSTE "
        "EMETTEUR AVANT DE CONTINUER");
    EXPECT_DOUBLE_EQ(poste.etat.tensionseuil, noir_v + 0.5);
}

// The interface answers with a reply chosen by the test for each stage of the dialogue.
struct Factice : ::testing::Test {
    StationFactice s;
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        s.boites.saisies = {"4"};
    }
    // Reply in the dark, reply lit during the test, reply at the final measurement.
    void repondre(QByteArray noir, QByteArray eclaire, QByteArray final)
    {
        s.com.reponse_ea = noir;
        s.boites.pendant = [this, eclaire, final](const BoiteVue& v) {
            if (v.titre == titre_resultat_seuil)
                s.com.reponse_ea = eclaire;
            if (v.titre == titre_avis_seuil)
                s.com.reponse_ea = final;
        };
    }
    bool demarrer()
    {
        bool pret = false;
        s.executer([&] { pret = demarrage(s.poste); });
        return pret;
    }
};

TEST_F(Factice, UneHausseDExactementUnVoltEstIncorrecteEtAnnulerTermineLeProgramme)
{
    // 19.125 × 20 / 255 = 1.5 V: exactly 1 V above the 0.5 V threshold.
    repondre("0\r\n", "19.125\r\n", "0\r\n");
    s.boites.reponses[titre_incorrect] = {Reponse::Annuler};
    ASSERT_FALSE(demarrer());
    EXPECT_EQ(s.terminaisons, 1);
    const BoiteVue* v = s.boites.trouver(titre_incorrect);
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->avecAnnuler);
    EXPECT_EQ(v->texte,
        "La tension mesurée = 01,50 V  soit une hausse de 01,00 V  < 1V TROP FAIBLE POUR UN FONCTIONNEMENT "
        "OPTIMAL \n\n ETEINDRE LE LASER du poste émetteur et continuer le programme en cliquant OK ou annuler et "
        "vérifier le montage ");
    EXPECT_EQ(s.boites.vues.back().titre, titre_incorrect);
    EXPECT_FALSE(s.com.portOpen());
}

TEST_F(Factice, OkApresUnTestIncorrectContinueAvecLeDernierSeuilMesure)
{
    repondre("10\r\n", "25\r\n", "20\r\n");
    ASSERT_TRUE(demarrer());
    ASSERT_NE(s.boites.trouver(titre_incorrect), nullptr);
    EXPECT_TRUE(s.boites.trouver(titre_resultat_seuil)->texte.startsWith(
        "La tension Useuil = tension mesurée 00,78 V + 0,5 V = 01,28 V "));
    EXPECT_DOUBLE_EQ(s.poste.etat.tensionseuil, 20 * 20.0 / 255 + 0.5);
}

TEST_F(Factice, UneInterfaceMuetteDonneUnDemiVoltEtUnTestIncorrect)
{
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(s.poste.etat.tensionseuil, 0.5);
    EXPECT_TRUE(s.boites.trouver(titre_incorrect)->texte.startsWith(
        "La tension mesurée = 00,00 V  soit une hausse de -00,50 V  < 1V"));
}

TEST_F(Factice, LesAttentesDeStabilisationLaissentLaMinuterieRafraichirLaLecture)
{
    repondre("10\r\n", "40\r\n", "20\r\n");
    std::vector<double> lectures;
    s.boites.pendant = [&, suite = s.boites.pendant](const BoiteVue& v) {
        lectures.push_back(s.poste.etat.tensionlue);
        suite(v);
    };
    ASSERT_TRUE(demarrer());
    // Before the link opens nothing is read; the first reading comes in the first settling wait.
    EXPECT_EQ(lectures[4], 0);
    EXPECT_DOUBLE_EQ(lectures[6], 10 * 20.0 / 255);
    EXPECT_DOUBLE_EQ(lectures[7], 40 * 20.0 / 255);
    EXPECT_EQ(s.boites.vues[7].titre, titre_correct);
}

TEST_F(Factice, UnPortOccupeEstSignaleAvecLePeripheriqueEtRedemande)
{
    s.com.ouverture_possible = false;
    s.boites.saisies = {"2", "5"};
    s.boites.reponses[titre_question_test] = {Reponse::Annuler};
    s.boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == titre_port_impossible)
            s.com.ouverture_possible = true;
    };
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(s.boites.trouver(titre_port_impossible)->texte,
        "Le port COM 2 n'a pas pu être ouvert (/dev/ttyS1) :\nAccès refusé : le port est déjà utilisé par un autre "
        "programme\n\nCliquer OK pour entrer un autre n° de port, Annuler pour quitter le programme");
    EXPECT_EQ(s.poste.etat.numeroport, 5);
    EXPECT_EQ(s.com.ouvertures, 1);
}

// The system's port lists what is there to answer; none present, it says so.
TEST_F(Factice, UnPortQuiNOuvrePasEstSuiviDesPortsPresents)
{
    const QString fin = "Cliquer OK pour entrer un autre n° de port, Annuler pour quitter le programme";
    for (const auto& [ports, liste] :
         {std::pair{QStringList{"  1 : /dev/ttyUSB0 — FT232R USB UART", "  2 : /dev/ttyACM0 — Arduino Mega 2560"},
                    QString("Ports présents sur cet ordinateur (n° à répondre : port) :\n  1 : /dev/ttyUSB0 — FT232R USB "
                            "UART\n  2 : /dev/ttyACM0 — Arduino Mega 2560\n\n")},
          std::pair{QStringList{}, QString("Aucun port USB-série ni banc simulé n'est présent sur cet ordinateur : "
                                           "vérifier que l'interface est branchée (et son pilote installé).\n\n")}}) {
        s.boites.vues.clear();
        s.com.ouverture_possible = false;
        s.com.ports = ports;
        s.boites.saisies = {"7", "1"};
        s.boites.reponses[titre_question_test] = {Reponse::Annuler};
        s.boites.pendant = [&](const BoiteVue& v) {
            if (v.titre == titre_port_impossible)
                s.com.ouverture_possible = true;
        };
        ASSERT_TRUE(demarrer());
        EXPECT_TRUE(s.boites.trouver(titre_port_impossible)->texte.endsWith("programme\n\n" + liste + fin))
            << s.boites.trouver(titre_port_impossible)->texte.toStdString();
    }
}

TEST_F(Factice, AnnulerApresUnEchecDuPortTermineLeProgramme)
{
    s.com.ouverture_possible = false;
    s.boites.reponses[titre_port_impossible] = {Reponse::Annuler};
    ASSERT_FALSE(demarrer());
    EXPECT_EQ(s.terminaisons, 1);
    EXPECT_EQ(s.boites.vues.back().titre, titre_port_impossible);
}

TEST_F(Factice, LaRafaleLaserEteintNEstQueDesEspacesPendantUnCinquiemeDeSeconde)
{
    s.com.reponse_ea = "0\r\n";
    s.boites.reponses[titre_question_test] = {Reponse::Annuler};
    double fin_avis = 0;
    qsizetype ecrits_avant_rafale = 0;
    s.boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == titre_avis_seuil) {
            fin_avis = s.acteur.maintenant_s();
            ecrits_avant_rafale = s.com.ecrits.size();
        }
    };
    ASSERT_TRUE(demarrer());
    const QByteArray rafale = s.com.ecrits.mid(s.com.ecrits.lastIndexOf('\r') + 1);
    EXPECT_GT(rafale.size(), 1);
    EXPECT_EQ(rafale.count(' '), rafale.size());
    EXPECT_GT(s.com.ecrits.size(), ecrits_avant_rafale);
    // More than 1 s of settling, then 0.2 s of burst.
    EXPECT_GE(s.acteur.maintenant_s() - fin_avis, 1.2);
    EXPECT_LT(s.acteur.maintenant_s() - fin_avis, 1.3);
}

} // namespace
