#pragma once
#include <string>

#include "chartlib/templates/TemplateRequest.h"

// Fills a template (<vizTemplate> with <slot>s and a <visualization> body)
// with the request's mappings and gives the chart document in the XML chart
// form. False with error set when the template is not well-formed, has no
// body, a required slot is left empty or a slot it does not declare is filled.
bool ConvertTemplate(const std::string& templateXml, const TemplateRequest& request, std::string& chartXml,
                     std::string& error);

// Checks a style sheet (<styleSheet> root) and gives it compactly written.
bool ConvertStyleSheet(const std::string& styleXml, std::string& converted, std::string& error);
