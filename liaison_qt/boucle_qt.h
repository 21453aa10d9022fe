#pragma once

#include "liaison/boucle.h"
#include "liaison/horloge.h"

#include <QTimer>

#include <functional>
#include <vector>

namespace optolink {

// Yields by sleeping in the event loop until the next event or the deadline, never by spinning:
// a program waiting for light costs next to nothing, and a timed step still ends on time.
class BoucleQt final : public Boucle {
public:
    explicit BoucleQt(Horloge& horloge);
    void ceder(double echeance_s = jamais_s) override;
    // Runs before each yield: the window brings its widgets up to date there.
    void avantChaqueCession(std::function<void()> action) { avant_.push_back(std::move(action)); }

private:
    Horloge& horloge_;
    QTimer reveil_;
    std::vector<std::function<void()>> avant_;
};

} // namespace optolink
