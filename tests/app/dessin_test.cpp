#include "decodage/decodage_cli.h"
#include "dessin/axes.h"
#include "dessin/compte_rendu.h"
#include "dessin/curseurs.h"
#include "dessin/dessin_trace.h"
#include "dessin/image_trace.h"
#include "rapide/trace_reception.h"
#include "fenetre/vue_trace.h"

#include "ecran_qt.h"
#include "tests/fast/synthese.h"

#include <QDateTime>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointingDevice>
#include <QProcess>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

// Drawing needs fonts, hence a GUI application (offscreen under ctest).
struct Dessin : essai::Ecran {
    QTemporaryDir dossier;
    // A clean recording: dark at 0, light at 99, so the decoder's level is 49.
    std::vector<int> echantillons = synthese::emission_morse("sos").echantillons(6400, {0, 99, 0});
    QString fichier = synthese::fichier_rrr(dossier.path(), "sos.rrr", echantillons);

    Trace trace() const
    {
        QFile f(fichier);
        f.open(QIODevice::ReadOnly);
        return trace_fichier(f, CodageRapide::morse, 0.0013);
    }
};

bool proche(QRgb pixel, QColor c)
{
    return std::abs(qRed(pixel) - c.red()) + std::abs(qGreen(pixel) - c.green()) + std::abs(qBlue(pixel) - c.blue()) < 40;
}

// Rows of a column whose pixel has this colour.
std::vector<int> rangees(const QImage& image, int x, QColor c)
{
    std::vector<int> y;
    for (int i = 0; i < image.height(); ++i)
        if (proche(image.pixel(x, i), c))
            y.push_back(i);
    return y;
}

} // namespace

// The threshold line sits between the dark and the light samples where the level puts it.
TEST_F(Dessin, LImagePngPlaceLeSeuilEntreLesNiveauxDuSignal)
{
    const Trace t = trace();
    ASSERT_EQ(t.lecture.seuil, 49);
    const QString png = dossier.filePath("sos.png");
    ASSERT_EQ(exporter_image(t, cadreur(t).ajuste(), png), "");
    QImage image(png);
    ASSERT_EQ(image.size(), taille_image);

    const QRectF mesures = zone_des_mesures(police_dessin(), QRectF(QPointF(0, 0), taille_image));
    const int x_sombre = int(mesures.right()) - 4;
    const QColor bleu(20, 60, 140);
    const auto rouge = rangees(image, x_sombre, QColor(200, 30, 30));
    const auto sombre = rangees(image, x_sombre, bleu);
    ASSERT_FALSE(rouge.empty());
    ASSERT_FALSE(sombre.empty());
    // The middle of the first calibration pulse is lit.
    const int x_lumiere = int(Echelle{0, 6400 * 0.0013, mesures.left(), mesures.right()}.px(
        (t.lecture.calibration[0].debut + t.lecture.calibration[0].longueur / 2) * 0.0013));
    const auto lumiere = rangees(image, x_lumiere, bleu);
    ASSERT_FALSE(lumiere.empty());
    const double y_seuil = (rouge.front() + rouge.back()) / 2.0;
    const double y_sombre = (sombre.front() + sombre.back()) / 2.0;
    const double y_lumiere = lumiere.front();
    EXPECT_NEAR((y_sombre - y_seuil) / (y_sombre - y_lumiere), 49.0 / 99, 0.02);
}

#ifdef OPTOLINK_SVG
TEST_F(Dessin, LImageSvgSeLitEtPorteSesLegendes)
{
    const Trace t = trace();
    const QString svg = dossier.filePath("sos.svg");
    ASSERT_EQ(exporter_image(t, cadreur(t).ajuste(), svg), "");
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QString racine;
    QStringList textes;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && racine.isEmpty())
            racine = xml.name().toString();
        if (xml.isCharacters() && !xml.isWhitespace())
            textes << xml.text().toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(racine, "svg");
    EXPECT_TRUE(textes.contains("seuil"));
    EXPECT_TRUE(textes.contains("o"));

    EXPECT_NE(exporter_image(t, cadreur(t).ajuste(), dossier.filePath("sos.jpg")), "");
    EXPECT_NE(exporter_image(t, cadreur(t).ajuste(), dossier.filePath("absent/sos.png")), "");
}
#endif

TEST(Cadreur, LeZoomGardeLeTempsSousLePointeurEtResteDansLEnregistrement)
{
    const Cadreur c(8.32, 0.026);
    const Cadrage zoome = c.zoomer(c.ajuste(), 4, 2.0);
    EXPECT_NEAR(zoome.duree_s(), 2.08, 1e-9);
    EXPECT_NEAR((2.0 - zoome.debut_s) / zoome.duree_s(), 2.0 / 8.32, 1e-9);
    EXPECT_NEAR(c.zoomer(zoome, 1e6, 5).duree_s(), 0.026, 1e-12);
    EXPECT_NEAR(c.zoomer(zoome, 1e-6, 5).duree_s(), 8.32, 1e-12);
    const Cadrage bout = c.deplacer(zoome, 100);
    EXPECT_DOUBLE_EQ(bout.fin_s, 8.32);
    EXPECT_NEAR(bout.duree_s(), zoome.duree_s(), 1e-9);
    EXPECT_DOUBLE_EQ(c.deplacer(zoome, -100).debut_s, 0);
}

// The view under the mouse: the wheel zooms in around the pointer, a drag pans; fitting (the F key
// and the button) shows the whole recording again.
TEST_F(Dessin, LaVueZoomeGlisseEtSeRajuste)
{
    VueTrace vue;
    vue.resize(1000, 500);
    vue.montrer(trace(), {});
    const double entier = vue.cadrage().duree_s();
    const QPointF milieu(500, 250);
    // A mouse of the test's own: Qt's default one would outlive its device list at exit.
    const QPointingDevice souris("souris", 1, QInputDevice::DeviceType::Mouse, QPointingDevice::PointerType::Generic,
                                 QInputDevice::Capability::Position | QInputDevice::Capability::Scroll, 1, 3);
    QWheelEvent molette(milieu, vue.mapToGlobal(milieu), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                        false, Qt::MouseEventNotSynthesized, &souris);
    QCoreApplication::sendEvent(&vue, &molette);
    const Cadrage zoome = vue.cadrage();
    EXPECT_NEAR(zoome.duree_s(), entier / (1.25 * 1.25), 1e-9);
    EXPECT_GT(zoome.debut_s, 0);

    QMouseEvent appui(QEvent::MouseButtonPress, milieu, vue.mapToGlobal(milieu), Qt::LeftButton, Qt::LeftButton, {},
                      &souris);
    QMouseEvent glisse(QEvent::MouseMove, milieu + QPointF(100, 0), vue.mapToGlobal(milieu + QPointF(100, 0)),
                       Qt::NoButton, Qt::LeftButton, {}, &souris);
    QCoreApplication::sendEvent(&vue, &appui);
    QCoreApplication::sendEvent(&vue, &glisse);
    EXPECT_LT(vue.cadrage().debut_s, zoome.debut_s); // dragged right: earlier samples come into view
    EXPECT_NEAR(vue.cadrage().duree_s(), zoome.duree_s(), 1e-9);

    vue.ajuster();
    EXPECT_DOUBLE_EQ(vue.cadrage().duree_s(), entier);
}

// The command line: the reading in the JSON line, the image of one file.
TEST_F(Dessin, LaLigneDeCommandeDonneLaLectureEtLImage)
{
    QString sortie, erreurs;
    QTextStream so(&sortie), se(&erreurs);
    const QString png = dossier.filePath("cli.png");
    ASSERT_EQ(decoder_fichiers({"optolink-decode", "--json", "--lecture", "--morse", "--image", png, fichier}, so, se), 0)
        << erreurs.toStdString();
    const QJsonObject ligne = QJsonDocument::fromJson(sortie.toUtf8()).object();
    const QJsonObject lecture = ligne["lecture"].toObject();
    EXPECT_EQ(lecture["seuil"].toInt(), 49);
    EXPECT_DOUBLE_EQ(lecture["largeurs"].toObject()["largeurpoint"].toDouble(), trace().lecture.largeurs[0].echantillons);
    EXPECT_EQ(lecture["caracteres"].toArray().first().toObject()["texte"].toString(), "s");
    EXPECT_EQ(lecture["paliers"].toArray().size(), static_cast<qsizetype>(trace().lecture.paliers.size()));
    EXPECT_EQ(QImage(png).size(), taille_image);

    EXPECT_EQ(decoder_fichiers({"optolink-decode", "--morse", "--image", png, fichier, fichier}, so, se), 2);
    EXPECT_EQ(decoder_fichiers({"optolink-decode", "--morse", "--lecture", fichier}, so, se), 2);
    EXPECT_EQ(decoder_fichiers({"optolink-decode", "--morse", "--image", dossier.filePath("x.gif"), fichier}, so, se), 1);
    EXPECT_TRUE(erreurs.contains(svg_disponible ? ".png ou .svg" : "doit se terminer par .png."));
}

// Two cursors a bit apart measure it, in samples and in bits; Shift puts a cursor on an edge.
TEST(Curseurs, IntervalleEchantillonsEtUnitesApprises)
{
    Trace t;
    t.codage = CodageRapide::binaire;
    t.periode_s = 0.0013;
    t.niveaux = {0, 0, 0, 99, 99, 99, 0, 0};
    t.lecture.seuil = 49;
    t.lecture.largeurs = {{"bit", 54}};
    const auto m = mesurer({0.0013 * 10, 0.0013 * 64}, t);
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->dt_s, 0.0702, 1e-12);
    EXPECT_NEAR(m->inverse_hz, 1 / 0.0702, 1e-9);
    EXPECT_NEAR(m->echantillons, 54, 1e-9);
    EXPECT_NEAR(m->unites, 1, 1e-9);
    EXPECT_EQ(texte_mesure(*m), "t1 = 0,0130 s   t2 = 0,0832 s   Δt = 70,2 ms   1/Δt = 14,2 Hz   54 échantillons = 1,00 bits");
    EXPECT_FALSE(mesurer({0.1, std::nullopt}, t));
    EXPECT_NEAR(front_le_plus_proche(t, 0.0013 * 2.2), 0.0013 * 3, 1e-12);
    EXPECT_NEAR(front_le_plus_proche(t, 0.0013 * 5.8), 0.0013 * 6, 1e-12);
}

// poppler's pdftotext reads the page: a Linux program.
#ifndef _WIN32
// The lab report's page holds the message, the rate and the cursors' measure, as text a PDF
// reader finds; the command line writes it and the spreadsheet's table.
TEST_F(Dessin, LeCompteRenduPdfPorteLeMessageEtLeDebit)
{
    const QString pdf = dossier.filePath("compte_rendu.pdf");
    const Trace t = trace();
    ASSERT_EQ(ecrire_compte_rendu_pdf(pdf, {t, {0.1, 0.2}, QDateTime(QDate(2026, 12, 8), QTime(14, 5))}), "");
    QProcess texte;
    texte.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(texte.waitForFinished(30000));
    const QString contenu = QString::fromUtf8(texte.readAllStandardOutput());
    for (const char* attendu : {"Message décodé : « sos »", "Le 08/12/2026 à 14h05", "bauds", "Débit utile", "morse lent",
                                "binaire rapide", "Δt = 100,0 ms"})
        EXPECT_TRUE(contenu.contains(QString::fromUtf8(attendu))) << attendu << "\n" << contenu.toStdString();

    QString sortie, erreurs;
    QTextStream so(&sortie), se(&erreurs);
    const QString csv = dossier.filePath("sos.csv");
    ASSERT_EQ(decoder_fichiers({"optolink-decode", "--json", "--lecture", "--morse", "--csv", csv, "--pdf", pdf, fichier},
                               so, se),
              0)
        << erreurs.toStdString();
    const QJsonObject bilan = QJsonDocument::fromJson(sortie.toUtf8()).object()["bilan"].toObject();
    EXPECT_EQ(bilan["caracteres"].toInt(), 3);
    for (const char* cle : {"duree_s", "unite_s", "debit_bauds", "debit_caracteres_s"})
        EXPECT_GT(bilan[cle].toDouble(), 0) << cle;
    QFile tableau(csv);
    ASSERT_TRUE(tableau.open(QIODevice::ReadOnly));
    // The header and a line per sample, then after a blank line the report's figures.
    const QList<QByteArray> parties = tableau.readAll().split('\n');
    const auto vide = std::find(parties.begin(), parties.end(), QByteArray("\r"));
    EXPECT_EQ(vide - parties.begin(), 6402);
    ASSERT_NE(vide, parties.end());
    EXPECT_EQ(*(vide + 1), "grandeur;valeur\r");
}
#endif
