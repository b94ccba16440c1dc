// Tables of rows named by a LEX id and a keyword (statement forms,
// function signatures), searched by the keyword a line was read with.
#ifndef VELKORD_BASIC_NAMED_ROWS_H
#define VELKORD_BASIC_NAMED_ROWS_H

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace velkord::basic {

template <typename Row>
bool named_before(const Row& a, const Row& b) {
    return a.lex != b.lex ? a.lex < b.lex : std::strcmp(a.name, b.name) < 0;
}

// The rows sorted, to be searched with find_named.
template <typename Row, std::size_t count>
std::vector<Row> sorted_by_name(const Row (&rows)[count]) {
    std::vector<Row> sorted(std::begin(rows), std::end(rows));
    std::sort(sorted.begin(), sorted.end(), named_before<Row>);
    return sorted;
}

// The row of `lex` and `name`; null where there is none.
template <typename Row>
const Row* find_named(const std::vector<Row>& sorted, unsigned lex, const char* name) {
    Row key{};
    key.lex = static_cast<decltype(key.lex)>(lex);
    key.name = name;
    const auto found = std::lower_bound(sorted.begin(), sorted.end(), key, named_before<Row>);
    return found != sorted.end() && !named_before(key, *found) ? &*found : nullptr;
}

}  // namespace velkord::basic

#endif
