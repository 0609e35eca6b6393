// What the module registered with the host, and the drawing's objects, as JSON lines: one
// object per line, in registration (or drawing) order.
#pragma once

#include <ostream>

#include "simhost/SimHost.h"

void ListCommands(simhost::SimHost& host, std::ostream& out);
void ListTypes(simhost::SimHost& host, std::ostream& out);
void ListProperties(simhost::SimHost& host, std::ostream& out);
void ListDefaults(simhost::SimHost& host, std::ostream& out);
void ListObjects(simhost::SimHost& host, std::ostream& out);
// The single-line texts of the drawing with their record and colour.
void ListTexts(simhost::SimHost& host, std::ostream& out);
// What the host told the user (a message, a version report, a help request) as one line.
std::string EventLine(const simhost::HostEvent& event);

// A default parameter's value as JSON, read by its type code (a colour as an unsigned
// number, a boolean as true/false, a list as an array).
std::string DefaultValueJson(const simhost::DefaultParameter& parameter, const ZNSVariant& value);
// A text given on the command line as a value of the parameter's type; nullopt when it
// does not read as one.
std::optional<ZNSVariant> ParseDefaultValue(const simhost::DefaultParameter& parameter,
                                            const std::string& text);
