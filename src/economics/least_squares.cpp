#include "economics/least_squares.h"

#include <algorithm>

namespace orvanta {

MonthlySums SumUsedMonths(std::span<const double> units, std::span<const double> expenses) {
    MonthlySums sums;
    const std::size_t months = std::min(units.size(), expenses.size());
    for (std::size_t k = 0; k < months; ++k) {
        const double x = units[k];
        const double y = expenses[k];
        if (x == 0 || y == 0) continue;
        sums.count += 1;
        sums.sumX += x;
        sums.sumXSquared += x * x;
        sums.sumY += y;
        sums.sumXY += x * y;
    }
    return sums;
}

}  // namespace orvanta
