#pragma once

#include <string>
#include <vector>

namespace ward {

class App;

// Whether the employee holds the numbered right, read from the server at every call. An EmployeeID that is blank
// means the logged-in user. A server error reaches the caller.
bool HasUserRight(App& app, const std::string& RightID, const std::string& EmployeeID = "");

// The EmployeeRights text of the first row the statement gives; "" for no row or a Null value.
std::string ReadRightsText(App& app, const std::string& sql);

// The elements of a rights text after the first "|"-separated one, as stored; none for a text shorter than two
// characters, which grants nothing.
std::vector<std::string> GrantedElements(const std::string& rightsText);

} // namespace ward
