#include "frontend/Statement.h"

void Statement::clear() {
    std::vector<ArgCell> keep = std::move(args);
    *this = Statement{};
    keep.clear();
    args = std::move(keep);
}

Statement& currentStatement() {
    static Statement statement;
    return statement;
}
