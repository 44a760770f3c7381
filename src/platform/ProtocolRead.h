// Readers shared by the protocol records: each checks the shape it reads and raises
// EProtocolError naming the record and the element otherwise.
#pragma once

#include <string>

#include "Kvtr42C/Protocol.h"

namespace znp::protocol::read {

// Value is a one-dimensional array of at least MinCount elements.
void RequireList(const Variant& value, const std::string& what, int minCount);
// Its low bound is Low.
void RequireLowBound(const Variant& value, const std::string& what, int low);
// Element I (from the low bound) as text, integer or "Y" flag.
std::string Text(const Variant& list, int i, const std::string& what, const std::string& codePage);
int Integer(const Variant& list, int i, const std::string& what);
bool Flag(const Variant& list, int i, const std::string& what, const std::string& codePage);
// A single value as wide text (Empty and Null give ""), integer, number or date.
std::u16string Wide(const Variant& value, const std::string& what);
int Integer(const Variant& value, const std::string& what);
double Number(const Variant& value, const std::string& what);
double Date(const Variant& value, const std::string& what);
// Value itself when it lies within Low..High.
int InRange(int value, int low, int high, const std::string& what);

}  // namespace znp::protocol::read
