"""Merges value-type-rules.tsv (string widths and WHERE rules per schema) into one schema's defined types.

Every row is checked against the schema's own table: the type must be there and be an IfcValue member,
a width needs a STRING, a rule a REAL, INTEGER or NUMBER, the short form must be one the tool reads and
say what the EXPRESS text beside it says, and neither may contradict a width or rule the table gives.
Any failure is returned as a message, which stops the build.
"""
import re

SCHEMAS = ("IFC2X3", "IFC4", "IFC4X3_ADD2")
NUMERIC_TYPES = ("REAL", "INTEGER", "NUMBER")

# A number as the tool reads it (std::from_chars): no leading '+'.
NUMBER = r"-?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?"
# "a<x", "a<=x<b", "x>=a", ...: a lower bound before x (then only '<' may follow), or one bound after.
SHORT_RULE = re.compile(r"^(?:(%s)(<=?))?x(?:([<>]=?)(%s))?$" % (NUMBER, NUMBER))


class RuleError(Exception):
    pass


def bounds(rule):
    """The rule as (lower, lower closed, upper, upper closed), None for a missing bound."""
    match = SHORT_RULE.match(rule)
    if not match:
        raise RuleError("'%s' is not of the form x>a, x<=a, a<x<=b, ..." % rule)
    low_text, low_op, op, value = match.groups()
    lower = (float(low_text), low_op == "<=") if low_text else (None, False)
    upper = (None, False)
    if op and op.startswith(">"):
        if low_text:
            raise RuleError("'%s' has two lower bounds" % rule)
        lower = (float(value), op == ">=")
    elif op:
        upper = (float(value), op == "<=")
    if lower[0] is None and upper[0] is None:
        raise RuleError("'%s' has no bound" % rule)
    return lower + upper


def express_bounds(express):
    """The bounds of an EXPRESS WHERE rule such as "WR1 : {0.0 <= SELF <= 1.0}" or "WR1 : SELF > 0."."""
    body = express.split(":", 1)[-1].strip()
    body = body.strip("{}").replace("SELF", "x").replace(" ", "")
    return bounds(body)


def read(path):
    """The rows of the file as dicts, in file order."""
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 5:
                raise RuleError("%s:%d: %d columns, 5 expected" % (path, number, len(fields)))
            schema, name, width, rule, express = fields
            if schema not in SCHEMAS:
                raise RuleError("%s:%d: unknown schema %s" % (path, number, schema))
            if bool(width) == bool(rule):
                raise RuleError("%s:%d: %s needs either a maxLength or a rule" % (path, number, name))
            rows.append({"where": "%s:%d" % (path, number), "schema": schema, "name": name, "width": width,
                         "rule": rule, "express": express})
    return rows


def check_width(row, underlying, table_width):
    if not row["width"].isdigit() or int(row["width"]) == 0:
        raise RuleError("maxLength '%s' is no positive number" % row["width"])
    width = int(row["width"])
    if not underlying.startswith("STRING"):
        raise RuleError("a width needs a STRING, %s is %s" % (row["name"], underlying))
    express = re.fullmatch(r"STRING\((\d+)\)", row["express"])
    if not express or int(express.group(1)) != width:
        raise RuleError("maxLength %d is not what '%s' says" % (width, row["express"]))
    if table_width not in (0, width):
        raise RuleError("maxLength %d contradicts the table's %d" % (width, table_width))
    return width


def check_rule(row, underlying, table_rule):
    if underlying not in NUMERIC_TYPES:
        raise RuleError("a rule needs a REAL, INTEGER or NUMBER, %s is %s" % (row["name"], underlying))
    if bounds(row["rule"]) != express_bounds(row["express"]):
        raise RuleError("rule %s is not what '%s' says" % (row["rule"], row["express"]))
    if table_rule and table_rule != row["rule"]:
        raise RuleError("rule %s contradicts the table's %s" % (row["rule"], table_rule))
    return row["rule"]


def merge(path, schema, defined_types):
    """defined_types ((name, underlying, value, maxLength, rule) tuples) with the file's rows for
    `schema` filled in; raises RuleError naming the row when one does not fit."""
    by_name = {defined[0]: index for index, defined in enumerate(defined_types)}
    merged = list(defined_types)
    seen = set()
    for row in read(path):
        if row["schema"] != schema:
            continue
        try:
            if row["name"] in seen:
                raise RuleError("%s is listed twice" % row["name"])
            seen.add(row["name"])
            if row["name"] not in by_name:
                raise RuleError("%s has no defined type %s" % (schema, row["name"]))
            name, underlying, value, width, rule = merged[by_name[row["name"]]]
            if not value:
                raise RuleError("%s is no IfcValue member of %s" % (name, schema))
            if row["width"]:
                width = check_width(row, underlying, width)
                underlying = "STRING(%d)" % width
            else:
                rule = check_rule(row, underlying, rule)
            merged[by_name[name]] = (name, underlying, value, width, rule)
        except RuleError as error:
            raise RuleError("%s: %s" % (row["where"], error)) from None
    return merged
