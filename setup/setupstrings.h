#pragma once

#include <QString>

// The installer's own string table, ids 1001..1004; any other id gives empty text.
QString setupString(int id);
