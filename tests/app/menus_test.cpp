#include "programme/boutons.h"
#include "programme/menus.h"

#include "postes_virtuels/station_virtuelle.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <set>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct Codage {
    const char* nom;
    Menu entree;
    optolink::Codage typecodage;
    // Send buttons: visible, enabled for Btonenvoiemorse, Btonenvoiebinaire, Btonenvoi_morserapide, Btonenvoi_binrap.
    std::array<std::pair<bool, bool>, 4> boutons;
    const char* caption;
    const char* etiquette1;
    const char* texte2;
    bool coche_morse, coche_binaire;
    bool intervalles_actifs, coche_30, coche_50;
    int interval_ms;
    int nbmesuresmax; // 0: unchanged
    std::optional<Menu> duree; // the fast duration entry checked, or none
    const char* texte1;
};

const char* const etiquette_morse =
    " Entrer un message (sur 26 minuscules sans ponctuation ou 9 chiffres) ou code                         ";
const char* const etiquette_binaire = " Entrer un message (tout caractère clavier) ou code                         ";
const char* const etiquette_binrap = " Entrer un message (tout caractère clavier)                                  ";

const Codage codages[] = {
    {"morse lent", Menu::menu_typemorse, optolink::Codage::morse, {{{true, true}, {true, false}, {false, false}, {false, false}}},
        "Communication entre deux ordinateurs en code Morse (lent)", etiquette_morse,
        "Attention ! changement de codage en morse (lent)    modifier de même le programme sur le deuxième "
        "ordinateur (menu Réglage Minuterie à 50 ms conseillé)",
        true, false, true, false, true, 50, 0, {}, ""},
    {"binaire lent", Menu::menu_typebinaire, optolink::Codage::binaire, {{{true, false}, {true, true}, {false, false}, {false, false}}},
        "Communication entre deux ordinateurs en code binaire 8 bits ASCII (lent)", etiquette_binaire,
        "Attention ! changement de codage en binaire (lent)    modifier de même le programme sur le deuxième "
        "ordinateur (menu Réglage Minuterie à 30 ms conseillé)",
        false, true, true, true, false, 30, 0, {}, ""},
    {"morse rapide 15 s", Menu::menu_morserap_17s, optolink::Codage::morse_rapide,
        {{{false, false}, {true, false}, {true, true}, {false, false}}},
        "Communication entre deux ordinateurs en code Morse (rapide)", etiquette_morse,
        "Attention ! changement de codage en morse (rapide)    modifier de même le programme sur le deuxième "
        "ordinateur",
        false, false, false, false, false, 30, 6400, Menu::menu_morserap_17s,
        " Message à effacer : en morse rapide; message d'environ 1 ligne de caractères au maximum conseillé pour "
        "éviter une durée de transmission dépassant 15 s"},
    {"morse rapide 30 s", Menu::menu_morserap_34s, optolink::Codage::morse_rapide,
        {{{false, false}, {true, false}, {true, true}, {false, false}}},
        "Communication entre deux ordinateurs en code Morse (rapide)", etiquette_morse,
        "Attention ! changement de codage en morse (rapide)    modifier de même le programme sur le deuxième "
        "ordinateur",
        false, false, false, false, false, 30, 12800, Menu::menu_morserap_34s,
        " Message à effacer : en morse rapide; message d'environ 2 lignes de caractères au maximum conseillé pour "
        "éviter une durée de transmission dépassant 30 s"},
    {"binaire rapide 15 s", Menu::menu_binairerap_17s, optolink::Codage::binaire_rapide,
        {{{true, false}, {false, false}, {false, false}, {true, true}}},
        "Communication entre deux ordinateurs en code binaire ASCII (rapide)", etiquette_binrap,
        "Attention ! changement de codage en binaire (rapide)   modifier de même le programme sur le deuxième "
        "ordinateur",
        false, false, false, false, false, 30, 6400, Menu::menu_binairerap_17s,
        " Message à effacer : en binaire rapide; message d'environ 1 ligne de caractères au maximum conseillé "
        "pour éviter une durée de transmission dépassant 10 s"},
    {"binaire rapide 30 s", Menu::menu_binairerapide_33s, optolink::Codage::binaire_rapide,
        {{{true, false}, {false, false}, {false, false}, {true, true}}},
        "Communication entre deux ordinateurs en code binaire ASCII (rapide)", etiquette_binrap,
        "Attention ! changement de codage en binaire (rapide)   modifier de même le programme sur le deuxième "
        "ordinateur",
        false, false, false, false, false, 30, 12800, Menu::menu_binairerapide_33s,
        " Message à effacer : en binaire rapide; message d'environ 2 lignes de caractères au maximum conseillé "
        "pour éviter une durée de transmission dépassant 30 s"},
};

void verifier(const Poste& p, const Codage& c, int nbmesuresmax_avant)
{
    SCOPED_TRACE(c.nom);
    const FenetrePrincipale& f = p.fenetre;
    EXPECT_EQ(p.etat.typecodage, c.typecodage);
    const Bouton* boutons[] = {&f.Btonenvoiemorse, &f.Btonenvoiebinaire, &f.Btonenvoi_morserapide, &f.Btonenvoi_binrap};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boutons[i]->Visible, c.boutons[i].first) << boutons[i]->Caption.toStdString();
        EXPECT_EQ(boutons[i]->Enabled, c.boutons[i].second) << boutons[i]->Caption.toStdString();
    }
    EXPECT_EQ(f.Caption, c.caption);
    EXPECT_EQ(f.Etiquette1.Caption, c.etiquette1);
    EXPECT_EQ(f.Texte2.Text, c.texte2);
    EXPECT_EQ(f.Texte1.Text, c.texte1);
    EXPECT_EQ(f.menus[Menu::menu_typemorse].Checked, c.coche_morse);
    EXPECT_EQ(f.menus[Menu::menu_typebinaire].Checked, c.coche_binaire);
    EXPECT_EQ(f.menus[Menu::menu_30ms].Enabled, c.intervalles_actifs);
    EXPECT_EQ(f.menus[Menu::menu_50ms].Enabled, c.intervalles_actifs);
    EXPECT_EQ(f.menus[Menu::menu_30ms].Checked, c.coche_30);
    EXPECT_EQ(f.menus[Menu::menu_50ms].Checked, c.coche_50);
    EXPECT_EQ(p.plateforme.minuterie.interval(), c.interval_ms);
    EXPECT_EQ(p.etat.nbmesuresmax, c.nbmesuresmax ? c.nbmesuresmax : nbmesuresmax_avant);
    for (Menu e : {Menu::menu_morserap_17s, Menu::menu_morserap_34s, Menu::menu_binairerap_17s,
             Menu::menu_binairerapide_33s})
        EXPECT_EQ(f.menus[e].Checked, e == c.duree) << f.menus[e].Caption.toStdString();
    const bool rapide = c.nbmesuresmax != 0;
    EXPECT_EQ(f.menus[Menu::menu_quiestlauteur].Enabled, rapide);
    EXPECT_EQ(f.menus[Menu::menu_reponsequarmont].Enabled, rapide);
    EXPECT_EQ(f.menus[Menu::menu_messagelong].Enabled, rapide);
}

struct Menus : ::testing::Test {
    StationFactice s;
    Poste& p = s.poste;
    // Runs handlers that may yield on the station's own event loop.
    void cliquer(Menu entree)
    {
        s.executer([&] { menu_Click(p, entree); });
    }
};

TEST_F(Menus, DeChaqueCodageAChaqueCodageLuiMemeCompris)
{
    for (const Codage& depart : codages)
        for (const Codage& arrivee : codages) {
            SCOPED_TRACE(std::string(depart.nom) + " -> " + arrivee.nom);
            menu_Click(p, depart.entree);
            p.fenetre.Texte1.Text = "message tapé";
            p.etat.dureebit = 0.5;
            p.etat.taillepolice = 20;
            p.etat.enregistrebin = false;
            p.etat.tensionseuil = 0.66;
            const int nb_avant = p.etat.nbmesuresmax;
            menu_Click(p, arrivee.entree);
            verifier(p, arrivee, nb_avant);
            EXPECT_EQ(p.etat.dureebit, 0.5);
            EXPECT_EQ(p.etat.taillepolice, 20);
            EXPECT_FALSE(p.etat.enregistrebin);
            EXPECT_EQ(p.etat.tensionseuil, 0.66);
        }
}

TEST_F(Menus, LaMemeEntreeRapideDeuxFoisRecritLeConseil)
{
    menu_Click(p, Menu::menu_morserap_34s);
    p.fenetre.Texte1.Text = "sos";
    p.fenetre.Texte2.Text = "reçu";
    menu_Click(p, Menu::menu_morserap_34s);
    EXPECT_TRUE(p.fenetre.Texte1.Text.startsWith(" Message à effacer : en morse rapide; message d'environ 2 lignes"));
    EXPECT_TRUE(p.fenetre.Texte2.Text.startsWith("Attention ! changement de codage en morse (rapide)"));
}

struct Vitesse {
    Menu entree;
    double dureebit;
    Echantillonnage modevitesse;
    double periodemesure; // 0: unchanged
};

TEST_F(Menus, LesVitessesDEmissionFixentLeursTroisVariablesEtSeuleLeurCoche)
{
    const Vitesse vitesses[] = {
        {Menu::menu_vit_emission0875, 1 / 0.875, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission09, 10.0 / 9, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission0925, 1 / 0.925, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission095, 1 / 0.95, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission0975, 1 / 0.975, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission1, 1, Echantillonnage::us1300, 0.0013},
        {Menu::menu_vit_emission11, 1 / 1.1, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission12, 1 / 1.2, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission13, 1 / 1.3, Echantillonnage::us1300, 0},
        {Menu::menu_vit_emission2, 0.5, Echantillonnage::us800, 0.0008},
        {Menu::menu_vit_emission3, 1.0 / 3, Echantillonnage::us500, 0.0005},
    };
    for (const Vitesse& v : vitesses) {
        p.etat.periodemesure = 0.0042;
        p.etat.modevitesse = static_cast<Echantillonnage>(7);
        menu_Click(p, v.entree);
        SCOPED_TRACE(p.fenetre.menus[v.entree].Caption.toStdString());
        EXPECT_EQ(p.etat.dureebit, v.dureebit);
        EXPECT_EQ(p.etat.modevitesse, v.modevitesse);
        EXPECT_EQ(p.etat.periodemesure, v.periodemesure ? v.periodemesure : 0.0042);
        for (const Vitesse& autre : vitesses)
            EXPECT_EQ(p.fenetre.menus[autre.entree].Checked, autre.entree == v.entree);
    }
}

TEST_F(Menus, LesVitessesFractionnairesGardentLaPeriodeDeLaDerniereVitesseEntiere)
{
    menu_Click(p, Menu::menu_vit_emission2);
    menu_Click(p, Menu::menu_vit_emission11);
    EXPECT_EQ(p.etat.dureebit, 1 / 1.1);
    EXPECT_EQ(p.etat.modevitesse, Echantillonnage::us1300);
    EXPECT_EQ(p.etat.periodemesure, 0.0008);

    menu_Click(p, Menu::menu_vit_emission3);
    EXPECT_NEAR(p.etat.dureebit, 0.3333333, 1e-7);
    EXPECT_EQ(p.etat.modevitesse, Echantillonnage::us500);
    EXPECT_EQ(p.etat.periodemesure, 0.0005);
    menu_Click(p, Menu::menu_vit_emission1);
    EXPECT_EQ(p.etat.dureebit, 1);
    EXPECT_EQ(p.etat.modevitesse, Echantillonnage::us1300);
    EXPECT_EQ(p.etat.periodemesure, 0.0013);
}

TEST_F(Menus, IntervalleDeLectureEtRetourAuMorseLentApresUnCodageRapide)
{
    menu_Click(p, Menu::menu_50ms);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_50ms].Checked);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_30ms].Checked);
    EXPECT_EQ(p.plateforme.minuterie.interval(), 50);
    menu_Click(p, Menu::menu_30ms);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_30ms].Checked);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_50ms].Checked);
    EXPECT_EQ(p.plateforme.minuterie.interval(), 30);

    menu_Click(p, Menu::menu_binairerap_17s);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_30ms].Enabled || p.fenetre.menus[Menu::menu_30ms].Checked);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_50ms].Enabled || p.fenetre.menus[Menu::menu_50ms].Checked);
    menu_Click(p, Menu::menu_typemorse);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_30ms].Enabled && p.fenetre.menus[Menu::menu_50ms].Enabled);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_50ms].Checked);
    EXPECT_EQ(p.plateforme.minuterie.interval(), 50);
}

TEST_F(Menus, LesEntreesDePoliceNeChangentQueLesCochesEtLaTailleEtCedentUneFois)
{
    const FenetrePrincipale avant = p.fenetre;
    int tics = 0;
    s.acteur.programmer(0, [&] { ++tics; });
    cliquer(Menu::menu_police30);
    EXPECT_EQ(tics, 1);
    EXPECT_EQ(p.etat.taillepolice, 30);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_police30].Checked);
    for (Menu autre : {Menu::menu_police12, Menu::menu_police16, Menu::menu_police20})
        EXPECT_FALSE(p.fenetre.menus[autre].Checked);
    EXPECT_EQ(p.fenetre.Texte1.FontSize, avant.Texte1.FontSize);
    EXPECT_EQ(p.fenetre.Texte2.FontSize, avant.Texte2.FontSize);
    cliquer(Menu::menu_police12);
    EXPECT_EQ(p.etat.taillepolice, 12);
    cliquer(Menu::menu_police20);
    EXPECT_EQ(p.etat.taillepolice, 20);
    cliquer(Menu::menu_police16);
    EXPECT_EQ(p.etat.taillepolice, 16);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_police16].Checked);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_police20].Checked);
}

TEST_F(Menus, LaDemandeDEnregistrementSeBascule)
{
    cliquer(Menu::menu_autorise_enregistremorse);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_autorise_enregistremorse].Checked);
    EXPECT_FALSE(p.etat.enregistremorse);
    EXPECT_TRUE(p.etat.enregistrebin);
    cliquer(Menu::menu_autorise_enregistremorse);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_autorise_enregistremorse].Checked);
    EXPECT_TRUE(p.etat.enregistremorse);

    cliquer(Menu::menu_autorise_enregistrebin);
    EXPECT_FALSE(p.fenetre.menus[Menu::menu_autorise_enregistrebin].Checked);
    EXPECT_FALSE(p.etat.enregistrebin);
    cliquer(Menu::menu_autorise_enregistrebin);
    EXPECT_TRUE(p.fenetre.menus[Menu::menu_autorise_enregistrebin].Checked);
    EXPECT_TRUE(p.etat.enregistrebin);
}

TEST_F(Menus, LesTextesDInterrogationDependentDuCodageRapideEtLesLentsLesIgnorent)
{
    struct Cas {
        Menu entree;
        const char* binaire;
        const char* morse;
    };
    const Cas cas[] = {
        {Menu::menu_quiestlauteur, "Quel est le nom de l'auteur des deux théories de la relativité ? ",
            "quel est le nom de l auteur des deux theories de la relativite restreinte et generale "},
        {Menu::menu_reponsequarmont, "Réponse: c'est le célèbre savant Quarmont Tavlon, bien sûr ! ",
            "reponse  c est le celebre savant quarmont tavlon  bien sur"},
        {Menu::menu_messagelong,
            "Quel est le nom du célèbre auteur des deux théories de la relativité restreinte en 1906 et de la "
            "relativité générale en 1916 ?  ",
            "quel est le nom du celebre auteur des deux theories de la relativite restreinte en 1906 et de la "
            "relativite generale en 1916"},
    };
    for (const Cas& c : cas) {
        menu_Click(p, Menu::menu_binairerapide_33s);
        menu_Click(p, c.entree);
        EXPECT_EQ(p.fenetre.Texte1.Text, c.binaire);
        menu_Click(p, Menu::menu_morserap_17s);
        menu_Click(p, c.entree);
        EXPECT_EQ(p.fenetre.Texte1.Text, c.morse);
        for (Menu lent : {Menu::menu_typemorse, Menu::menu_typebinaire}) {
            menu_Click(p, lent);
            p.fenetre.Texte1.Text = "sos";
            menu_Click(p, c.entree);
            EXPECT_EQ(p.fenetre.Texte1.Text, "sos");
        }
    }
}

TEST_F(Menus, LesMessagesTypesSontLesTextesQueLesEmetteursAbregent)
{
    menu_Click(p, Menu::menu_e1);
    EXPECT_EQ(p.fenetre.Texte1.Text, "code e1 : les sciences physiques constituent de belles sciences utilisant les "
                                     "mathématiques, le français, le dessin technique et l'informatique ");
    menu_Click(p, Menu::menu_e2);
    EXPECT_EQ(p.fenetre.Texte1.Text,
        "code e2 : c'est grâce à la physique qu'on construit, qu'on se chauffe et qu'on communique par exemple");
    menu_Click(p, Menu::menu_e3);
    EXPECT_EQ(p.fenetre.Texte1.Text, "code e3 : c'est grâce à la chimie qu'on s'habille, qu'on se soigne, qu'on "
                                     "crée de nouvelles matières par exemple");
    menu_Click(p, Menu::menu_e4);
    EXPECT_EQ(p.fenetre.Texte1.Text, "code e4 : les sciences physiques permettent à l'homme d'étudier la matière "
                                     "et les énergies en vue de les utiliser");
}

TEST_F(Menus, LesEntreesDOuvertureChoisissentLeDecodeurEtMontrentLeDialogue)
{
    menu_Click(p, Menu::menu_decodage_fichiermorserap); // no dialog yet: only the decoder is chosen
    EXPECT_EQ(p.etat.typedecodage, optolink::Codage::morse_rapide);
    std::vector<QString> captions;
    const auto ouvreur = p.fenetre.surOuvrirLecturefichier.brancher([&](const QString& c) { captions.push_back(c); });
    menu_Click(p, Menu::menu_typemorse);
    menu_Click(p, Menu::menu_decodage_fichierbinrap);
    EXPECT_EQ(p.etat.typedecodage, optolink::Codage::binaire_rapide);
    menu_Click(p, Menu::menu_decodage_fichiermorserap);
    EXPECT_EQ(p.etat.typedecodage, optolink::Codage::morse_rapide);
    EXPECT_EQ(captions, (std::vector<QString>{"Ouverture fichier binaire *.rrr", "Ouverture fichier morse *.rrr"}));
}

TEST_F(Menus, BoitesDInformation)
{
    menu_Click(p, Menu::menu_apropos);
    menu_Click(p, Menu::menu_OrphyGTSII);
    ASSERT_EQ(s.boites.vues.size(), 2u);
    EXPECT_EQ(s.boites.vues[0].titre, "A propos ...");
    EXPECT_FALSE(s.boites.vues[0].avecAnnuler);
    const QStringList apropos = s.boites.vues[0].texte.split(u'\n');
    ASSERT_EQ(apropos.size(), 3);
    EXPECT_EQ(apropos[1], "Remerciements à l'équipe technique");
    EXPECT_EQ(apropos[2], "(Programme pour Orphy GTS II série ou USB)");
    EXPECT_EQ(s.boites.vues[1].titre, "Conseils pratiques");
    EXPECT_FALSE(s.boites.vues[1].avecAnnuler);
    EXPECT_EQ(s.boites.vues[1].texte,
        "Résolution d'écran optimale : 600 x 800\nLe fonctionnement en morse lent ou rapide ne nécessite "
        "normalement pas la mise en priorité Windows\nLes 2 autres types de codage binaire lent et rapide peuvent "
        "nécessiter la mise en priorité Windows\n si les ordinateurs sont en réseau ou si plusieurs programmes sont "
        "en mémoire\n (Programme pour Orphy GTS II série ou USB)");
}

TEST_F(Menus, EffacerNeVideQueLeMessageEtQuitterFermeDAbordLePort)
{
    menu_Click(p, Menu::menu_morserap_17s);
    p.fenetre.Texte1.Text = "bonjour";
    const FenetrePrincipale avant = p.fenetre;
    Btonefface_Click(p);
    EXPECT_EQ(p.fenetre.Texte1.Text, "");
    EXPECT_EQ(p.fenetre.Texte2.Text, avant.Texte2.Text);
    EXPECT_EQ(p.fenetre.Caption, avant.Caption);
    EXPECT_EQ(p.fenetre.Btonenvoi_morserapide.Enabled, avant.Btonenvoi_morserapide.Enabled);

    ASSERT_TRUE(s.com.setPortOpen(true));
    bool port_ferme_avant = false;
    p.terminer = [&] { port_ferme_avant = !s.com.portOpen(); };
    Btonquitter_Click(p);
    EXPECT_TRUE(port_ferme_avant);
}

// A click reaches the row at its entry's index; a row's menu comes before it and opens a submenu.
TEST(Conception, ChaqueLigneDeLaTableALaPlaceDeSonEntreeApresSonMenu)
{
    const auto& table = table_menus();
    std::set<QString> noms;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const DescriptionMenu& d = table[i];
        SCOPED_TRACE(d.nom);
        EXPECT_EQ(std::size_t(d.entree), i);
        EXPECT_TRUE(noms.insert(d.nom).second);
        if (const Menu* menu = std::get_if<Menu>(&d.place)) {
            EXPECT_LT(std::size_t(*menu), i);
            EXPECT_TRUE(std::holds_alternative<SousMenu>(description(*menu).action));
        }
        EXPECT_FALSE(d.groupe != Groupe::aucun && std::holds_alternative<SousMenu>(d.action));
    }
}

TEST(Conception, LaFenetreTelleQueConcue)
{
    StationFactice s;
    const FenetrePrincipale& f = s.poste.fenetre;
    EXPECT_EQ(f.Caption, "Communication entre deux ordinateurs en code binaire 8 bits ASCII");
    EXPECT_EQ(f.Etiquette1.BackColor, 0xC0FFC0u);
    EXPECT_EQ(f.Etiquette2.BackColor, 0xC0FFFFu);
    EXPECT_EQ(f.Btonenvoiemorse.Caption, "E&nvoi du message en code morse");
    EXPECT_EQ(f.Btonenvoiebinaire.Caption, "&Envoi du message en code binaire");
    EXPECT_EQ(f.Btonefface.Caption, "E&ffacer le message affiché pour envoi");
    EXPECT_EQ(f.Btonquitter.Caption, "&Quitter");
    for (Menu m : {Menu::menu_30ms, Menu::menu_vit_emission1, Menu::menu_police16, Menu::menu_autorise_enregistremorse,
             Menu::menu_autorise_enregistrebin})
        EXPECT_TRUE(f.menus[m].Checked) << f.menus[m].Caption.toStdString();
    for (Menu m : {Menu::menu_quiestlauteur, Menu::menu_reponsequarmont, Menu::menu_messagelong})
        EXPECT_FALSE(f.menus[m].Enabled) << f.menus[m].Caption.toStdString();
    EXPECT_EQ(f.menus[Menu::menu_vit_emission12].Caption, "x 1.2");
    EXPECT_EQ(f.menus[Menu::menu_police30].Caption, "30 ");
    EXPECT_FALSE(s.minuterie->enabled());
    EXPECT_EQ(s.minuterie->interval(), 30);
}

} // namespace

// The coding menu enables the send button of the coding it chooses, even during a send or a
// reception: pressed then, it must not start a second send inside the first one's waits.
TEST_F(Menus, UnBoutonDEnvoiNeFaitRienPendantUnEnvoiOuUneReception)
{
    static int envois;
    envois = 0;
    const auto envoi = hors_envoi([](Poste&) { ++envois; });
    const struct {
        const char* quoi;
        std::function<void(Poste&)> debut, fin;
    } cas[] = {
        {"envoi", [](Poste& q) { q.modele.envoi_commence(optolink::Codage::binaire); },
         [](Poste& q) { q.modele.envoi_fini(optolink::Codage::binaire); }},
        {"réception", [](Poste& q) { q.modele.reception_commencee(optolink::Codage::binaire); },
         [](Poste& q) { q.modele.message_recu(optolink::Codage::binaire, "ok", {}); }},
    };
    for (const auto& c : cas) {
        envois = 0;
        c.debut(s.poste);
        menu_Click(s.poste, Menu::menu_typemorse);
        EXPECT_TRUE(s.poste.fenetre.Btonenvoiemorse.Enabled) << c.quoi;
        envoi(s.poste);
        EXPECT_EQ(envois, 0) << c.quoi;
        c.fin(s.poste);
        envoi(s.poste);
        EXPECT_EQ(envois, 1) << c.quoi;
    }
}
