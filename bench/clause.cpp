// Reading one dating clause, against the church-year reader's short form
// and a saint's name alone, in the same run.
#include "church/Clause.h"
#include "church/FeastNames.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kClauses[] = {
    "freitags nach Martini",
    ("Datum Rige anno Domini millesimo quadringentesimo primo, feria tertia post dominicam qua "
     "cantatur Oculi"),
    "Donn\xE9 \xE0 Paris, le lundi apr\xE8s les Brandons, l'an du Seigneur 1316",
    "des mondages negest na sunte Johannes baptisten dage",
    "Michaelmas 9 Edward III",
    "vii idus julii 1490",
    // A letter's whole closing, every word looked up: the costly case.
    ("Monsieur, je prie le createur qu'il vous doint en bonne sante heureuse et longue vie, "
     "et me recommande bien humblement a vos bonnes graces et a celles de madame vostre femme, "
     "de Tournay bien vitement le deuxiesme jour d'avril mil cinq cens quatre vingts et dix"),
};

void WholeClause(benchmark::State& state) {
    CClauseOptions options;
    options.nYear = 1450;
    const char* text = kClauses[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadDatingClause(text, options));
}

// The peer: the shortest form, a weekday, a feast and a year.
void ShortForm(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadDatingClause("Tuesday after Laetare 1523", {}));
}

} // namespace

BENCHMARK(WholeClause)->DenseRange(0, 6);
BENCHMARK(ShortForm);
