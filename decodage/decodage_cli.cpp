#include "decodage/decodage_cli.h"

#include "decodage/lecture_json.h"
#include "dessin/compte_rendu.h"
#include "dessin/dessin_trace.h"
#include "dessin/image_trace.h"
#include "poste/etat.h"
#include "analyse/bilan.h"
#include "rapide/echantillons.h"
#include "rapide/trace_reception.h"
#include "fichiers/csv.h"
#include "fichiers/rrr.h"
#include "liaison/nombres.h"
#include "optolink/version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace optolink {

namespace {

const char* const aide =
    "Usage : optolink-decode [--json [--lecture]] (--morse | --binaire) [--live SEUIL_VOLTS]\n"
    "                        [--periode MS] [--attendu TEXTE] [--image IMAGE.png|IMAGE.svg]\n"
    "                        [--csv TABLEAU.csv] [--pdf COMPTE_RENDU.pdf] FICHIER...\n"
    "\n"
    "Décode des enregistrements de morse rapide ou de binaire rapide sauvegardés en fichiers\n"
    "Regressi (*.rrr) et écrit le message reçu de chaque fichier, un par ligne.\n"
    "\n"
    "Options :\n"
    "  --morse              les fichiers sont des enregistrements de morse rapide\n"
    "  --binaire            les fichiers sont des enregistrements de binaire rapide\n"
    "  --live SEUIL_VOLTS   décode comme le récepteur en direct, avec la tension de seuil\n"
    "                       donnée en volts (par exemple 0.8), au lieu du décodeur de fichier\n"
    "  --json               une ligne JSON par fichier, avec les clés \"file\", \"message\",\n"
    "                       \"texte1\" et \"code\"\n"
    "  --lecture            avec --json, ajoute la clé \"lecture\" : les seuils, les largeurs\n"
    "                       apprises à l'étalonnage, chaque palier lu et ce qu'il est devenu,\n"
    "                       et les mesures de chaque caractère ; et la clé \"bilan\" : caractères\n"
    "                       reçus, durée du signal, unité apprise, rapidité de modulation et\n"
    "                       débits, les niveaux haut et bas et leur marge sous le seuil, et les\n"
    "                       mêmes chiffres en théorie pour les quatre codages\n"
    "  --attendu TEXTE      le message envoyé : compare le message reçu avec lui. La ligne de\n"
    "                       texte donne alors les caractères faux et, en binaire, les bits faux\n"
    "                       et le TEB ; en JSON, la clé \"bilan\" (même sans --lecture) gagne\n"
    "                       \"erreurs\" ; le tableau et le compte rendu les portent aussi\n"
    "  --image IMAGE        dessine le signal d'un seul fichier avec sa lecture, en PNG ou en\n"
    "                       SVG selon le suffixe de IMAGE ; aucun écran n'est nécessaire\n"
    "  --csv TABLEAU        écrit les mesures d'un seul fichier pour un tableur : « ; » entre\n"
    "                       les colonnes, virgule décimale, en-tête « échantillon;t (s);U (V) »,\n"
    "                       puis après une ligne vide le bilan, une grandeur par ligne\n"
    "  --pdf COMPTE_RENDU   écrit le compte rendu d'un seul fichier sur une page A4 : le signal\n"
    "                       et sa lecture, le message décodé et le bilan de la réception\n"
    "  --periode MS         période d'échantillonnage de l'enregistrement en millisecondes,\n"
    "                       pour l'axe des temps, le bilan et les tableaux (1.3 par défaut,\n"
    "                       0.8 en x 2, 0.5 en x 3) ; le fichier ne la contient pas\n"
    "  --version            affiche la version\n"
    "  -h, --help           affiche cette aide\n"
    "\n"
    "Code de sortie : 0 si tous les fichiers ont été décodés, 1 si un fichier n'a pas pu être\n"
    "lu ou l'image, le tableau ou le compte rendu écrit, 2 si la ligne de commande est incorrecte.\n";

struct Reglages {
    bool morse = false;
    bool json = false;
    bool lecture = false;
    std::optional<double> seuil_v; // live decoding when set
    double periode_s = 0.0013;
    QString image;
    QString csv;
    QString pdf;
    QString attendu; // the message sent, when given
};

// The live receivers work on the downloaded table: fill it from the data lines, in order.
Trace decoder_live(QIODevice& fichier, CodageRapide codage, const Reglages& r)
{
    const std::vector<int> niveaux = niveaux_rrr(fichier);
    std::vector<Mesure> tabmesures(Etat::taille_tabmesures, sans_mesure);
    std::copy_n(niveaux.begin(), std::min(niveaux.size(), tabmesures.size()), tabmesures.begin());
    return trace_table(tabmesures, static_cast<int>(niveaux.size()) - 1, seuil_brut(*r.seuil_v), codage,
                       r.periode_s);
}

Trace decoder(QIODevice& fichier, const QString& nom, const Reglages& r)
{
    const CodageRapide codage = r.morse ? CodageRapide::morse : CodageRapide::binaire;
    Trace trace = r.seuil_v ? decoder_live(fichier, codage, r) : trace_fichier(fichier, codage, r.periode_s);
    trace.origine = nom;
    return trace;
}

// The errors after the message, on its line: "caractères faux 1/7 · bits faux 1/56 · TEB 0,018".
QString resume_erreurs(const Erreurs& e)
{
    QString texte = QStringLiteral("caractères faux %1/%2").arg(e.caracteres_faux).arg(e.caracteres_envoyes);
    if (const auto teb = e.teb())
        texte += QStringLiteral(" · bits faux %1/%2 · TEB %3").arg(*e.bits_faux).arg(*e.bits_envoyes).arg(nombre_fr(*teb, 4));
    return texte;
}

QString ligne(const Trace& t, const Reglages& r)
{
    const auto b = bilan(t, r.attendu);
    if (!r.json)
        return b && b->erreurs ? t.message + u'\t' + resume_erreurs(*b->erreurs) : t.message;
    QJsonObject objet{{"file", t.origine}, {"message", t.message}, {"texte1", t.texte1}, {"code", t.code}};
    if (r.lecture)
        objet.insert("lecture", lecture_json(t.lecture));
    if (b && (r.lecture || b->erreurs))
        objet.insert("bilan", bilan_json(*b));
    return QString::fromUtf8(QJsonDocument(objet).toJson(QJsonDocument::Compact));
}

// The samples, then after a blank line the report's figures under their JSON names.
QByteArray tableau(const Trace& t, const Reglages& r)
{
    QByteArray texte = texte_csv(t.niveaux, t.periode_s);
    const auto b = bilan(t, r.attendu);
    if (!b)
        return texte;
    struct Grandeur {
        const char* nom;
        double valeur;
        int decimales;
    };
    std::vector<Grandeur> grandeurs{{"duree_s", b->duree_s, 4}, {"unite_s", b->unite_s, 5}, {"debit_bauds", b->debit_bauds, 2}};
    if (b->mots_minute > 0)
        grandeurs.push_back({"mots_minute", b->mots_minute, 1});
    if (const auto& n = b->niveaux)
        grandeurs.insert(grandeurs.end(), {{"haut_v", n->haut_v, 3}, {"bas_v", n->bas_v, 3}, {"ecart_v", n->ecart_v(), 3},
                                           {"marge_v", n->marge_v(), 3}});
    if (const auto& e = b->erreurs) {
        grandeurs.insert(grandeurs.end(), {{"caracteres_envoyes", double(e->caracteres_envoyes), 0},
                                           {"caracteres_faux", double(e->caracteres_faux), 0}});
        if (const auto teb = e->teb())
            grandeurs.insert(grandeurs.end(), {{"bits_envoyes", double(*e->bits_envoyes), 0},
                                               {"bits_faux", double(*e->bits_faux), 0}, {"teb", *teb, 6}});
    }
    texte += "\r\ngrandeur;valeur\r\n";
    for (const Grandeur& g : grandeurs)
        texte += QByteArray(g.nom) + ';' + decimal_csv(g.valeur, g.decimales) + "\r\n";
    return texte;
}

int erreur_usage(QTextStream& erreurs, const QString& texte)
{
    erreurs << "optolink-decode : " << texte << "\n"
            << "Voir « optolink-decode --help ».\n";
    erreurs.flush();
    return 2;
}

// The options of the command line.
struct Options {
    QCommandLineOption morse{"morse"};
    QCommandLineOption binaire{"binaire"};
    QCommandLineOption live{"live", {}, "SEUIL_VOLTS"};
    QCommandLineOption json{"json"};
    QCommandLineOption lecture{"lecture"};
    QCommandLineOption image{"image", {}, "IMAGE"};
    QCommandLineOption periode{"periode", {}, "MS"};
    QCommandLineOption csv{"csv", {}, "TABLEAU"};
    QCommandLineOption pdf{"pdf", {}, "COMPTE_RENDU"};
    QCommandLineOption attendu{"attendu", {}, "TEXTE"};
    QCommandLineOption aide{QStringList{"h", "help"}};
    QCommandLineOption version{"version"};
};

// The settings of a parsed command line, or why it is wrong.
std::variant<Reglages, QString> lire_reglages(const QCommandLineParser& analyse, const Options& o)
{
    if (analyse.isSet(o.morse) == analyse.isSet(o.binaire))
        return QStringLiteral("choisir un codage : --morse ou --binaire.");
    Reglages r;
    r.morse = analyse.isSet(o.morse);
    r.json = analyse.isSet(o.json);
    r.lecture = analyse.isSet(o.lecture);
    if (r.lecture && !r.json)
        return QStringLiteral("--lecture s'ajoute à --json.");
    if (analyse.isSet(o.periode)) {
        bool ok = false;
        const double ms = analyse.value(o.periode).toDouble(&ok);
        if (!ok || !std::isfinite(ms) || ms <= 0 || ms > 1000)
            return QStringLiteral("la période de --periode doit être un nombre de millisecondes, par exemple 1.3.");
        r.periode_s = ms / 1000;
    }
    r.image = analyse.value(o.image);
    r.csv = analyse.value(o.csv);
    r.pdf = analyse.value(o.pdf);
    r.attendu = analyse.value(o.attendu);
    if (analyse.isSet(o.attendu) && r.attendu.trimmed().isEmpty())
        return QStringLiteral("--attendu demande le message envoyé, par exemple --attendu \"bonjour\".");
    if (analyse.isSet(o.live)) {
        bool ok = false;
        const double seuil = analyse.value(o.live).toDouble(&ok);
        if (!ok || !std::isfinite(seuil))
            return QStringLiteral("le seuil de --live doit être une tension en volts, par exemple 0.8.");
        r.seuil_v = seuil;
    }
    const qsizetype nb = analyse.positionalArguments().size();
    if (nb == 0)
        return QStringLiteral("aucun fichier à décoder.");
    if (!r.image.isEmpty() && nb != 1)
        return QStringLiteral("--image dessine un seul fichier.");
    if ((!r.csv.isEmpty() || !r.pdf.isEmpty()) && nb != 1)
        return QStringLiteral("--csv et --pdf écrivent un seul fichier.");
    return r;
}

// Decodes one file, writes its line and what the options ask for; false when something failed.
bool decoder_un_fichier(const QString& nom, const Reglages& r, QTextStream& sortie, QTextStream& erreurs)
{
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreurs << "optolink-decode : le fichier « " << nom << " » ne peut pas être lu ("
                << (fichier.exists() ? "accès refusé ou dossier" : "fichier introuvable") << ").\n";
        erreurs.flush();
        return false;
    }
    const Trace trace = decoder(fichier, nom, r);
    sortie << ligne(trace, r) << "\n";
    sortie.flush();
    bool reussi = true;
    const auto signaler = [&](const QString& raison) {
        if (raison.isEmpty())
            return;
        erreurs << "optolink-decode : " << raison << "\n";
        erreurs.flush();
        reussi = false;
    };
    if (!r.image.isEmpty())
        signaler(exporter_image(trace, cadreur(trace).ajuste(), r.image));
    if (!r.csv.isEmpty())
        signaler(ecrire_texte_csv(r.csv, tableau(trace, r)));
    if (!r.pdf.isEmpty())
        signaler(ecrire_compte_rendu_pdf(r.pdf, {trace, {}, QDateTime::currentDateTime(), r.attendu}));
    return reussi;
}

} // namespace

int decoder_fichiers(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs)
{
    QCommandLineParser analyse;
    const Options o;
    analyse.addOptions({o.morse, o.binaire, o.live, o.json, o.lecture, o.image, o.periode, o.csv, o.pdf, o.attendu, o.aide,
                        o.version});
    if (!analyse.parse(arguments))
        return erreur_usage(erreurs, analyse.errorText());
    if (analyse.isSet(o.aide) || analyse.isSet(o.version)) {
        if (analyse.isSet(o.aide))
            sortie << aide;
        else
            sortie << "optolink-decode " OPTOLINK_VERSION "\n";
        sortie.flush();
        return 0;
    }
    const auto reglages = lire_reglages(analyse, o);
    if (const QString* erreur = std::get_if<QString>(&reglages))
        return erreur_usage(erreurs, *erreur);
    int statut = 0;
    for (const QString& nom : analyse.positionalArguments())
        if (!decoder_un_fichier(nom, std::get<Reglages>(reglages), sortie, erreurs))
            statut = 1;
    return statut;
}

} // namespace optolink
