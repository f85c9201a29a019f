#include "missions.h"

#include <array>

namespace velmo {

Procedure generator_of(int mission)
{
    static constexpr std::array<Procedure, 10> generators{
        tehtava1,
        tehtava2,
        tehtava3,
        tehtava4,
        tehtava5,
        tehtava6,
        tehtava7,
        tehtava8,
        tehtava9,
        tehtava10,
    };
    if (mission < 1 || mission > 10)
        return nullptr;
    return generators[static_cast<std::size_t>(mission - 1)];
}

} // namespace velmo
