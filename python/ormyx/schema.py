"""Checks a results document against the JSON schema shipped with the
package (results-schema.json), with the standard library only.

The checker knows the parts of JSON Schema the schema uses: type, const,
enum, properties, required, additionalProperties, items, oneOf and local
$ref. It returns every problem it finds, each with its path in the document.
"""

from __future__ import annotations

import json
from importlib import resources
from typing import Any, Optional

__all__ = ["load_schema", "validate"]

_TYPES = {
    "object": lambda v: isinstance(v, dict),
    "array": lambda v: isinstance(v, list),
    "string": lambda v: isinstance(v, str),
    "integer": lambda v: isinstance(v, int) and not isinstance(v, bool),
    "number": lambda v: isinstance(v, (int, float)) and not isinstance(v, bool),
    "boolean": lambda v: isinstance(v, bool),
    "null": lambda v: v is None,
}


def load_schema() -> dict:
    """The schema of the results document."""
    text = resources.files(__package__).joinpath("results-schema.json").read_text(encoding="utf-8")
    return json.loads(text)


def _resolve(root: dict, ref: str) -> dict:
    if not ref.startswith("#/"):
        raise ValueError("only local references are supported: %s" % ref)
    node: Any = root
    for part in ref[2:].split("/"):
        node = node[part]
    return node


def _check(value: Any, schema: dict, root: dict, path: str, problems: list[str]) -> None:
    if "$ref" in schema:
        _check(value, _resolve(root, schema["$ref"]), root, path, problems)
        return
    if "oneOf" in schema:
        matches = 0
        for option in schema["oneOf"]:
            sub: list[str] = []
            _check(value, option, root, path, sub)
            matches += not sub
        if matches != 1:
            problems.append("%s: matches %d of the allowed forms instead of one" % (path, matches))
        return
    if "type" in schema:
        types = schema["type"] if isinstance(schema["type"], list) else [schema["type"]]
        if not any(_TYPES[t](value) for t in types):
            problems.append("%s: %r is not of type %s" % (path, _short(value), " or ".join(types)))
            return
    if "const" in schema and value != schema["const"]:
        problems.append("%s: %r is not %r" % (path, _short(value), schema["const"]))
    if "enum" in schema and value not in schema["enum"]:
        problems.append("%s: %r is not one of %s" % (path, _short(value), schema["enum"]))
    if isinstance(value, dict):
        props = schema.get("properties", {})
        for name in schema.get("required", []):
            if name not in value:
                problems.append("%s: missing %r" % (path, name))
        for name, item in value.items():
            if name in props:
                _check(item, props[name], root, "%s.%s" % (path, name), problems)
            elif schema.get("additionalProperties") is False:
                problems.append("%s: unexpected %r" % (path, name))
    if isinstance(value, list) and "items" in schema:
        for i, item in enumerate(value):
            _check(item, schema["items"], root, "%s[%d]" % (path, i), problems)


def _short(value: Any) -> Any:
    text = repr(value)
    return value if len(text) <= 60 else text[:57] + "..."


def validate(document: Any, schema: Optional[dict] = None) -> list[str]:
    """Problems of the document against the schema; empty when it conforms."""
    root = schema if schema is not None else load_schema()
    problems: list[str] = []
    _check(document, root, root, "$", problems)
    return problems
