"""Runs tavrix-parse --json --fields on every file given (one document per
file, then every line of each as a document) and checks that each line of
output is a JSON object with the result keys."""
import json
import subprocess
import sys

tool, files = sys.argv[1], sys.argv[2:]
count = 0
for mode in ([], ["--lines"]):
    for start in range(0, len(files), 200):
        run = subprocess.run([tool, "--json", "--fields", *mode, *files[start:start + 200]],
                             capture_output=True)
        if run.returncode not in (0, 1):
            sys.exit(f"tavrix-parse exited with {run.returncode}: {run.stderr.decode(errors='replace')}")
        for line in run.stdout.splitlines():
            try:
                value = json.loads(line.decode("ascii"))
            except (UnicodeDecodeError, json.JSONDecodeError) as error:
                sys.exit(f"not JSON ({error}): {line[:200]!r}")
            if not isinstance(value, dict) or "result" not in value or "source" not in value:
                sys.exit(f"not a result object: {line[:200]!r}")
            count += 1
print(f"{count} JSON documents checked")
