#include "tests/application_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// optolink-bench as the user runs it: it publishes its ports, says which numbers to type,
// and removes its ports when told to stop.
struct BancProgramme : optolink::essai::ApplicationQt {
    QTemporaryDir dossier;
    QProcess banc;

    QString lien(int numero) const { return dossier.path() + QStringLiteral("/optolink-%1/COM%2").arg(getuid()).arg(numero); }

    void lancer(const QStringList& arguments)
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), dossier.path());
        banc.setProcessEnvironment(env);
        banc.start(QStringLiteral(OPTOLINK_BENCH), arguments);
        ASSERT_TRUE(banc.waitForStarted(30000));
    }
    // Everything the bench prints until it says how to stop it.
    QString accueil()
    {
        QString texte;
        while (!texte.contains(QStringLiteral("Ctrl-C")) && banc.waitForReadyRead(30000))
            texte += QString::fromLocal8Bit(banc.readAllStandardOutput());
        return texte;
    }
};

} // namespace

TEST_F(BancProgramme, PublieSesPortsEtLesRetireALArret)
{
    lancer({QStringLiteral("--ports"), QStringLiteral("81,82"), QStringLiteral("--journal")});
    const QString texte = accueil();
    EXPECT_TRUE(texte.contains(QStringLiteral("Interface A : répondre 81 au numéro de port"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Interface B : répondre 82 au numéro de port"))) << texte.toStdString();
    EXPECT_TRUE(QFileInfo::exists(lien(81)));
    EXPECT_TRUE(QFileInfo(lien(82)).symLinkTarget().startsWith(QStringLiteral("/dev/pts/")));

    // A second bench on the same numbers refuses, and leaves the first one's ports alone.
    QProcess second;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), dossier.path());
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(OPTOLINK_BENCH), {QStringLiteral("--ports"), QStringLiteral("82,83")});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(second.readAllStandardError()).contains(QStringLiteral("82")));
    EXPECT_TRUE(QFileInfo::exists(lien(82)));
    EXPECT_FALSE(QFileInfo::exists(lien(83)));

    banc.terminate(); // SIGTERM, as Ctrl-C
    ASSERT_TRUE(banc.waitForFinished(30000));
    EXPECT_EQ(banc.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(banc.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(lien(81)).isSymLink());
    EXPECT_FALSE(QFileInfo(lien(82)).isSymLink());
}

// A link left by a bench that was killed points nowhere: the next bench takes the number back.
TEST_F(BancProgramme, ReprendUnLienMort)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(lien(84)).path()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/nulle-part"), lien(84)));
    lancer({QStringLiteral("--ports"), QStringLiteral("84,85")});
    accueil();
    EXPECT_TRUE(QFileInfo::exists(lien(84)));
    banc.terminate();
    ASSERT_TRUE(banc.waitForFinished(30000));
    EXPECT_EQ(banc.exitCode(), 0);
}

TEST_F(BancProgramme, AideEnFrancaisEtOptionsRefusees)
{
    lancer({QStringLiteral("--help")});
    ASSERT_TRUE(banc.waitForFinished(30000));
    EXPECT_EQ(banc.exitCode(), 0);
    const QString aide = QString::fromLocal8Bit(banc.readAllStandardOutput());
    EXPECT_TRUE(aide.contains(QStringLiteral("numéros de port des interfaces A et B"))) << aide.toStdString();
    EXPECT_TRUE(aide.contains(QStringLiteral("--panne SORTE"))) << aide.toStdString();

    for (const QStringList& mauvais : {QStringList{QStringLiteral("--ports"), QStringLiteral("3")},
                                       QStringList{QStringLiteral("--ports"), QStringLiteral("0,1")},
                                       QStringList{QStringLiteral("--bruit"), QStringLiteral("beaucoup")},
                                       QStringList{QStringLiteral("--panne"), QStringLiteral("panique")},
                                       QStringList{"--panne", "brouillage", "--panne-taux", "2"},
                                       QStringList{"--panne", "mutisme", "--panne-interface", "C"},
                                       QStringList{QStringLiteral("--inconnue")}}) {
        QProcess p;
        p.start(QStringLiteral(OPTOLINK_BENCH), mauvais);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 2) << mauvais.join(u' ').toStdString();
    }
}
