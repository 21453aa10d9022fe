#pragma once

#include "liaison/com.h"

#include <QByteArrayList>

#include <algorithm>

namespace optolink::essai {

// A serial port whose replies the test writes itself: it keeps every write and hands out
// the text given to it, subject to the input length.
class ComScriptee final : public Com {
public:
    void setCommPort(int numero) override { numero_ = numero; }
    int commPort() const override { return numero_; }
    void setSettings(const QString& texte) override { reglages = texte; }
    bool setPortOpen(bool ouvert) override
    {
        ouvert_ = ouvert;
        return true;
    }
    bool portOpen() const override { return ouvert_; }
    QString erreur() const override { return {}; }
    QString peripherique() const override { return QStringLiteral("port scripté"); }
    void output(const QByteArray& octets) override { ecrits.append(octets); }
    QByteArray input() override
    {
        const qsizetype n = longueur_ == 1 ? std::min<qsizetype>(1, a_lire.size()) : a_lire.size();
        QByteArray lus = a_lire.first(n);
        a_lire.remove(0, n);
        return lus;
    }
    void setInputLen(int longueur) override { longueur_ = longueur; }
    int inputLen() const override { return longueur_; }

    QByteArrayList ecrits;
    QByteArray a_lire;
    QString reglages;

private:
    int numero_ = 0;
    bool ouvert_ = false;
    int longueur_ = 0;
};

} // namespace optolink::essai
