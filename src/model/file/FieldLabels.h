#pragma once

#include "model/RecordIO.h"

#include <QString>

// The Russian name of a field, for messages about a value that cannot be saved.
namespace FieldLabels {
QString label(FieldName field);
}
