"""Every example run file validates against docs/run-file.schema.json, and the schema refuses a
field the program's reader refuses. Run by CTest with Debian's python3-jsonschema:
    /usr/bin/python3 tests/app/check_examples_schema.py REPOSITORY_ROOT
"""
import glob
import json
import sys

from jsonschema import Draft202012Validator

root = sys.argv[1]
with open(f"{root}/docs/run-file.schema.json", encoding="utf-8") as file:
    schema = json.load(file)
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)
faults = 0
examples = sorted(glob.glob(f"{root}/examples/*.json"))
for path in examples:
    with open(path, encoding="utf-8") as file:
        for error in validator.iter_errors(json.load(file)):
            print(f"{path}: {error.json_path}: {error.message}")
            faults += 1
unknown_field = {"method": {"quantitation": "wavelength", "replicates": 1, "colour": "red"},
                 "unknowns": [{"readings": [None]}]}
if validator.is_valid(unknown_field):
    print("the schema takes a field the reader refuses: /method/colour")
    faults += 1
print(f"{len(examples)} examples checked, {faults} faults")
sys.exit(1 if faults or not examples else 0)
