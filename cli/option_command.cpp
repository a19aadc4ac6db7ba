#include "cli/option_command.h"

#include <exception>
#include <new>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/response_writer.h"
#include "json/json_reader.h"

namespace horavela::cli {

namespace {

int Refuse(const std::string& message, bool text, std::ostream& out, int status) {
  const nlohmann::ordered_json response = ErrorResponse(message);
  out << (text ? ErrorText(response) : Serialize(response, true) + '\n');
  return status;
}

}  // namespace

int AnswerOptionCommand(const std::function<void()>& answer, const std::string& what, bool text,
                        std::ostream& out) {
  int status = kExitOk;
  try {
    answer();
  } catch (const RequestError& e) {
    status = Refuse(e.what(), text, out, kExitBadRequest);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  } catch (const std::exception& e) {
    status = Refuse("the " + what + " failed: " + e.what(), text, out, kExitFailure);
  }
  out.flush();
  return out ? status : kExitFailure;
}

}  // namespace horavela::cli
