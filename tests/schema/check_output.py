#!/usr/bin/python3
"""Checks output documents against docs/output-schema.json.

  check_output.py --schema SCHEMA --vega-lite-schema VL_SCHEMA --ggraph GGRAPH --samples CHART_SAMPLES
                  --work DIR COMMAND_FILE...

Runs the ggraph front end on each command file (once plainly, once with
--debug and the RFM invoking module; an example of examples/ over the data
package its header names), writes the chart library's sample
document, and validates every output document. Beyond the schema, each data
column must hold exactly as many values as its source has rows, every
"vegaLite" item must be valid against Vega-Lite's own schema, and
the runs together must hold at least one.
"""
import argparse
import json
import pathlib
import subprocess
import sys

import jsonschema


def data_tables(item):
    if isinstance(item, dict):
        if item.get("type") == "procedure":
            for inner in item["items"]:
                yield from data_tables(inner)
        elif isinstance(item.get("data"), dict):
            yield item["data"]


def row_count_errors(document):
    for item in document["items"]:
        for table in data_tables(item):
            for source in table["sources"]:
                for column in source["columns"]:
                    if "values" in column and len(column["values"]) != source["rows"]:
                        yield "source %s column %s: %d values for %d rows" % (
                            source["name"], column["name"], len(column["values"]), source["rows"])


def vega_lite_specs(item):
    if isinstance(item, dict):
        if item.get("type") == "procedure":
            for inner in item["items"]:
                yield from vega_lite_specs(inner)
        elif "vegaLite" in item:
            yield item["vegaLite"]


def produce(arguments):
    work = pathlib.Path(arguments.work)
    work.mkdir(parents=True, exist_ok=True)
    outputs = []
    samples = work / "chart-samples.json"
    subprocess.run([arguments.samples, str(samples)], check=True)
    outputs.append(samples)
    for command in arguments.commands:
        for variant, extra in (("plain", []), ("debug", ["--debug", "--invoked-by", "QK"])):
            output = work / ("%s-%s.json" % (pathlib.Path(command).stem, variant))
            # The examples name their data in their first comment lines.
            run = subprocess.run([arguments.ggraph, "run", command, "--json", str(output)] + extra,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            if run.returncode not in (0, 1):
                sys.exit("%s %s: exit %d: %s" % (command, variant, run.returncode, run.stderr))
            outputs.append(output)
    return outputs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--schema", required=True)
    parser.add_argument("--vega-lite-schema", required=True)
    parser.add_argument("--ggraph", required=True)
    parser.add_argument("--samples", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("commands", nargs="*")
    arguments = parser.parse_args()

    schema = json.loads(pathlib.Path(arguments.schema).read_text())
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    vega_lite = jsonschema.Draft7Validator(json.loads(pathlib.Path(arguments.vega_lite_schema).read_text()))
    failures = 0
    specs = 0
    for output in produce(arguments):
        document = json.loads(output.read_text(encoding="utf-8"))
        errors = ["%s: %s" % ("/".join(str(p) for p in error.absolute_path), error.message)
                  for error in validator.iter_errors(document)]
        errors += list(row_count_errors(document))
        for item in document["items"]:
            for spec in vega_lite_specs(item):
                specs += 1
                errors += ["vegaLite %s: %s" % ("/".join(str(p) for p in error.absolute_path), error.message)
                           for error in vega_lite.iter_errors(spec)]
        for error in errors:
            print("%s: %s" % (output.name, error))
        failures += bool(errors)
        print("%s: %s" % (output.name, "invalid" if errors else "valid"))
    if specs == 0:
        print("no chart item carries a vegaLite item")
        failures += 1
    print("%d vegaLite items checked" % specs)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
