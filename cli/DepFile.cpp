#include "cli/DepFile.h"

namespace pixmora::cli {

namespace {

// Make reads a space or '#' of a file name only behind a backslash, and '$' doubled.
void AppendEscaped(std::string& text, const std::string& path) {
  for (const char c : path) {
    if (c == ' ' || c == '#')
      text += '\\';
    if (c == '$')
      text += '$';
    text += c;
  }
}

void AppendList(std::string& text, std::span<const std::string> paths, const char* between) {
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (i > 0)
      text += between;
    AppendEscaped(text, paths[i]);
  }
}

}  // namespace

std::string DepFileText(std::span<const std::string> outputs, std::span<const std::string> inputs) {
  std::string text;
  AppendList(text, outputs, " \\\n ");
  text += ':';
  if (!inputs.empty())
    text += " \\\n ";
  AppendList(text, inputs, " \\\n ");
  return text + "\n";
}

std::string WriteDepFile(const std::string& path, std::span<const std::string> outputs,
                         std::span<const std::string> inputs) {
  OutputFiles files;
  files.Add(path).Write(DepFileText(outputs, inputs));
  return files.Commit();
}

std::vector<std::string> InputsOf(const CliOptions& o) {
  std::vector<std::string> inputs = o.images;
  if (o.settings)
    inputs.push_back(*o.settings);
  return inputs;
}

std::vector<std::string> PathsOf(std::span<const CommittedFile> files) {
  std::vector<std::string> paths;
  for (const CommittedFile& file : files)
    paths.push_back(file.path);
  return paths;
}

}  // namespace pixmora::cli
