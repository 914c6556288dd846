#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tallimer {

// Builds interfaces for the painted controls only when an assistive technology asks.
QAccessibleInterface* controlsAccessibleFactory(const QString& className, QObject* object);

}  // namespace tallimer
