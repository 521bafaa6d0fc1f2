// The fourteen tables of a period database, and the creation of such a database.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tolvek {

class Connection;

namespace schema {

// How a text column compares: codes byte by byte, names by the Turkish rules.
enum class Text { None, Code, Name };

struct Column {
  const char* name;
  const char* type;  // SQL type as declared, e.g. "VARCHAR(12)", "DOUBLE"
  Text text = Text::None;
};

struct Index {
  QStringList columns;
  bool primary = false;
  bool unique = false;
};

struct Table {
  const char* name;
  std::vector<Column> columns;
  std::vector<Index> indexes;
};

const std::vector<Table>& tables();

// The declared width of a text column, 0 for other columns or unknown names.
int width(const QString& table, const QString& column);

// CREATE TABLE statements of every table, in order.
QStringList createStatements();

// True when a database of that name exists on the server.
bool databaseExists(Connection& connection, const QString& name);

// Creates the database with every table and switches the connection to it. Refuses (InputError)
// a name that is not letters, digits and '_' or that already exists; a database whose tables
// could not all be made is dropped again.
void createDatabase(Connection& connection, const QString& name);

// "tlvkd" + period + firm code, exactly as typed.
QString databaseName(const QString& period, const QString& firmCode);

}  // namespace schema
}  // namespace tolvek
