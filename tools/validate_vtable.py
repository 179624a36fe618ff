#!/usr/bin/env python3
"""validate_vtable.py SCHEMA FILE...

Validates each table file against the schema with python3-jsonschema, after reading it as
Vellorin reads it: strict UTF-8 without a byte-order mark, JSON without NaN or Infinity.
Prints "valid FILE" or "invalid FILE: reason", one line a file; exits 0 when every file is
valid, 1 when one is not, 2 when the schema itself is wrong."""
import json
import sys

from jsonschema import Draft202012Validator
from jsonschema.exceptions import SchemaError


def refuse_constant(name):
    raise ValueError(f"{name} is not a JSON number")


def load(path):
    with open(path, "rb") as file:
        text = file.read().decode("utf-8")  # strict: invalid UTF-8 raises
    if text.startswith("\ufeff"):
        raise ValueError("begins with a byte-order mark")
    return json.loads(text, parse_constant=refuse_constant)


def main(argv):
    with open(argv[1], encoding="utf-8") as file:
        schema = json.load(file)
    try:
        Draft202012Validator.check_schema(schema)
    except SchemaError as error:
        print(f"the schema is not valid: {error.message}")
        return 2
    validator = Draft202012Validator(schema)
    status = 0
    for path in argv[2:]:
        try:
            errors = list(validator.iter_errors(load(path)))
            reason = errors[0].message if errors else None
        except (ValueError, UnicodeDecodeError) as error:
            reason = str(error)
        if reason is None:
            print(f"valid {path}")
        else:
            print(f"invalid {path}: {reason}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
