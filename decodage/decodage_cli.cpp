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
    "                        [--periode MS] [--image IMAGE.png|IMAGE.svg] [--csv TABLEAU.csv]\n"
    "                        [--pdf COMPTE_RENDU.pdf] FICHIER...\n"
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
    "                       débits, et les mêmes chiffres en théorie pour les quatre codages\n"
    "  --image IMAGE        dessine le signal d'un seul fichier avec sa lecture, en PNG ou en\n"
    "                       SVG selon le suffixe de IMAGE ; aucun écran n'est nécessaire\n"
    "  --csv TABLEAU        écrit les mesures d'un seul fichier pour un tableur : « ; » entre\n"
    "                       les colonnes, virgule décimale, en-tête « échantillon;t (s);U (V) »\n"
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

QString ligne(const Trace& t, const Reglages& r)
{
    if (!r.json)
        return t.message;
    QJsonObject objet{{"file", t.origine}, {"message", t.message}, {"texte1", t.texte1}, {"code", t.code}};
    if (r.lecture) {
        objet.insert("lecture", lecture_json(t.lecture));
        if (const auto b = bilan(t))
            objet.insert("bilan", bilan_json(*b));
    }
    return QString::fromUtf8(QJsonDocument(objet).toJson(QJsonDocument::Compact));
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
        signaler(ecrire_csv(r.csv, trace.niveaux, trace.periode_s));
    if (!r.pdf.isEmpty())
        signaler(ecrire_compte_rendu_pdf(r.pdf, {trace, {}, QDateTime::currentDateTime()}));
    return reussi;
}

} // namespace

int decoder_fichiers(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs)
{
    QCommandLineParser analyse;
    const Options o;
    analyse.addOptions({o.morse, o.binaire, o.live, o.json, o.lecture, o.image, o.periode, o.csv, o.pdf, o.aide,
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
