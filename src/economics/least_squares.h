#pragma once

#include <span>

namespace orvanta {

// The sums of a straight line, expenses = fixed + variable × units, fitted by
// least squares through monthly (units, expenses) pairs. A month is used only
// when both its figures are non-zero; a month with one figure missing is left
// out of every sum and of the count alike, so the sums always describe the
// same months as the count.
struct MonthlySums {
    double count = 0;  // n, the number of months used
    double sumX = 0;
    double sumXSquared = 0;
    double sumY = 0;
    double sumXY = 0;

    // n × Σx² − (Σx)²; zero when fewer than two different units figures are used.
    double Divisor() const { return count * sumXSquared - sumX * sumX; }
};

// Sums the months in month order; units[k] and expenses[k] belong to month k + 1.
MonthlySums SumUsedMonths(std::span<const double> units, std::span<const double> expenses);

}  // namespace orvanta
