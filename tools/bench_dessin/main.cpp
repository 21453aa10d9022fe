// optolink-bench-dessin [FICHIER.rrr] [--binaire]: draws a recording (by default the 12801-sample
// example) into a 1600 × 640 image, whole, at ten zoom levels and along a pan of a hundred steps,
// and prints the drawing times; then the time to write it as PNG and as SVG, and the time of one
// picture of the live strip chart with its readings changing, as the signal window repaints it.
#include "dessin/axes.h"
#include "dessin/dessin_direct.h"
#include "dessin/dessin_trace.h"
#include "dessin/image_trace.h"
#include "rapide/trace_reception.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace optolink;

namespace {

double dessiner_ms(const Trace& trace, const Cadrage& cadrage, QImage& image)
{
    QElapsedTimer chrono;
    chrono.start();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(police_dessin());
    dessiner_trace(p, QRectF(image.rect()), trace, cadrage);
    p.end();
    return chrono.nsecsElapsed() / 1e6;
}

void imprimer(const char* nom, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s %4zu dessins  min %6.2f ms  médiane %6.2f ms  max %6.2f ms\n", nom, ms.size(), ms.front(),
                ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const bool binaire = arguments.contains(QStringLiteral("--binaire"));
    QString chemin = QStringLiteral(OPTOLINK_EXEMPLES "/morse-rapide-30s.rrr");
    for (const QString& a : arguments.mid(1))
        if (!a.startsWith(u'-'))
            chemin = a;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "optolink-bench-dessin : %s ne peut pas être lu\n", qPrintable(chemin));
        return 1;
    }
    const Trace trace = trace_fichier(fichier, binaire ? CodageRapide::binaire : CodageRapide::morse, 0.0013);
    std::printf("%s : %zu mesures, %zu paliers lus, %zu caractères\n", qPrintable(chemin), trace.niveaux.size(),
                trace.lecture.paliers.size(), trace.lecture.caracteres.size());

    QImage image(taille_image, QImage::Format_ARGB32_Premultiplied);
    const Cadreur cadreur_trace = cadreur(trace);
    const Cadrage entier = cadreur_trace.ajuste();
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i)
        ms.push_back(dessiner_ms(trace, entier, image));
    imprimer("enregistrement entier", ms);

    ms.clear();
    Cadrage c = entier;
    for (int i = 0; i < 10; ++i) {
        c = cadreur_trace.zoomer(c, 1.8, entier.duree_s() / 3);
        for (int k = 0; k < 3; ++k)
            ms.push_back(dessiner_ms(trace, c, image));
    }
    imprimer("dix niveaux de zoom", ms);

    ms.clear();
    c = cadreur_trace.zoomer(entier, 4, 0);
    for (int i = 0; i < 100; ++i) {
        c = cadreur_trace.deplacer(c, c.duree_s() / 40);
        ms.push_back(dessiner_ms(trace, c, image));
    }
    imprimer("déplacement au zoom x 4", ms);

    QTemporaryDir dossier;
    for (const char* suffixe : {"png", "svg"}) {
        QElapsedTimer chrono;
        chrono.start();
        const QString raison = exporter_image(trace, entier, dossier.filePath(QStringLiteral("signal.") + suffixe));
        std::printf("exportation %s : %.1f ms %s\n", suffixe, chrono.nsecsElapsed() / 1e6, qPrintable(raison));
    }

    // Fifteen seconds of readings every 50 ms, a pulse every second, as during a slow reception.
    Signaux signaux;
    for (int i = 0; i < 300; ++i) {
        const double t = i * 0.05;
        const bool allume = i % 20 < 6;
        signaux.noter_tension(t, allume ? 3.9 + 0.01 * (i % 3) : 0.15 + 0.01 * (i % 2));
        if (i % 20 == 6)
            signaux.noter_impulsion(t - 0.3, t, QStringLiteral("-"));
    }
    QImage fenetre(QSize(1100, 560), QImage::Format_ARGB32_Premultiplied);
    BandeDirect bande;
    ms.clear();
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        QPainter p(&fenetre);
        p.setFont(police_dessin());
        bande.dessiner(p, QRectF(fenetre.rect()), signaux, 0.66);
        p.end();
        ms.push_back(chrono.nsecsElapsed() / 1e6);
    }
    imprimer("bande en direct (1100 × 560)", ms);
    return 0;
}
