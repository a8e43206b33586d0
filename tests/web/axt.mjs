import { chromium } from "playwright-core";
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
const page = await browser.newPage();
await page.goto("file:///tmp/axt/t.html");
const cdp = await page.context().newCDPSession(page);
const { nodes } = await cdp.send("Accessibility.getFullAXTree");
for (const n of nodes) console.log(n.nodeId, n.ignored ? "IGN" : "", n.role?.value, JSON.stringify(n.name?.value ?? ""), n.childIds?.join(","));
await browser.close();
